#pragma once
// TLOJANCode: a JAN barcode on a label face. It stores the code, the digit font and the
// display options, turns with its rectangle about the centre, and draws through TJANCode.
// Bars are always black on white; only the digits take a colour (the font's).
#include "core/model/rect_object.h"
#include "graphics/color/color_interfaces.h"
#include "text/rotator.h"
#include "text/text_interfaces.h"

#include <memory>

class TColorSpec;
class TPointBasedFont;

class TLOJANCode : public TLORectBase, public IDORotate, public IDOLineColor, public IDOFont {
    LR_CLASS(TLOJANCode, TLORectBase)
public:
    // A new object is 300 x 100 units, digits shown, no frame, no code.
    TLOJANCode();
    ~TLOJANCode() override;

    int Angle() const override { return angle_; }
    void SetAngle(int angle) override;
    QString JANCode() const { return code_; }
    void SetJANCode(const QString& code);
    const TPointBasedFont& Font() const override { return *font_; }
    TPointBasedFont* FontObject() { return font_.get(); }
    const TPointBasedFont* FontObject() const { return font_.get(); }
    void SetFont(const TPointBasedFont& font) override;
    bool ShowNumber() const { return showNumber_; }
    void SetShowNumber(bool show);
    bool ShowFrame() const { return showFrame_; }
    void SetShowFrame(bool show);

    // IDOLineColor: the digits' colour; setting copies the colour fill's Color into the
    // font.
    const TColorSpec& LineColor() const override { return *textColor_; }
    void SetLineColor(const TColorSpec& color) override;

    void Paint(TCanvas& canvas) override;
    bool HitTest(QPoint logical) const override;
    TRect GetBounds() const override;
    void DrawOutline(TCanvas& canvas) override;
    void SetBoundsRect(const TRect& rect) override;
    void Resize(int width, int height) override;

    void AssignTo(TPersistent& target) const override;

private:
    void Recompute(bool geometry);

    int angle_ = 0;
    QString code_;
    std::unique_ptr<TPointBasedFont> font_;
    bool showNumber_ = true;
    bool showFrame_ = false;
    TRotator rotator_;
    std::unique_ptr<TColorSpec> textColor_;
};
