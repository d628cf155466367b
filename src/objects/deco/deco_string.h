#pragma once
// TLODecoString: a short word set in an image font, its glyphs scaled to the object's
// height, laid out in its rectangle by the alignment and turned about the centre.
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"
#include "objects/deco/image_font.h"
#include "text/text_interfaces.h"

#include <QImage>
#include <array>

class TLODecoString : public TLORectBase, public IDORotate, public IDOAlign {
    LR_CLASS(TLODecoString, TLORectBase)
public:
    TLODecoString();

    QString Text() const { return text_; }
    void SetText(const QString& text);
    int FontNo() const { return font_.FontNo(); }
    void SetFontNo(int fontNo) { font_.SetFontNo(fontNo); }
    TImageFont& Font() { return font_; }
    const TImageFont& Font() const { return font_; }
    // IDOAlign: 0 left, 1 centre, 2 right, 3 even distribution.
    int Align() const override { return align_; }
    void SetAlign(int align) override;
    // IDORotate: degrees clockwise, stored as 0 .. 359.
    int Angle() const override { return angle_; }
    void SetAngle(int angle) override;

    // The font's height follows the rectangle's.
    void SetBoundsRect(const TRect& rect) override;
    // The corners of the turned rectangle: top-left, top-right, bottom-right, bottom-left.
    std::array<QPoint, 4> Corners() const;
    // The box around the turned rectangle.
    TRect GetBounds() const override;
    bool HitTest(QPoint logical) const override;
    void DrawOutline(TCanvas& canvas) override;
    // Unturned, the rectangle takes the size; turned, its sides are scaled by the ratio of
    // the requested to the current bounding size. The bounds keep their top-left corner.
    void Resize(int width, int height) override;
    bool KeepAspect() const override { return false; }
    void Paint(TCanvas& canvas) override;

    // The pen positions of the text's characters in a rectangle of the width.
    std::vector<int> CharPositions(int width) const;
    // The rectangle becomes (0, 0, text width, 100) at glyph height 100.
    void FitToText();

    void Loaded() override;
    void AssignTo(TPersistent& target) const override;

private:
    void ContentChanged();
    // Lays out and draws the text into the rectangle.
    void DrawInto(TCanvas& canvas, const TRect& rect) const;
    const QImage& Rotated() const;

    QString text_;
    int align_ = 0;
    int angle_ = 0;
    TImageFont font_;
    mutable QImage rotated_;
};
