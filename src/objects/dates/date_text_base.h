#pragma once
// The text part of a date field: a rectangle holding lines of text laid out and painted by
// the text engine, with the text settings a date field stores and an auto-size switch
// that keeps the rectangle fitted to the text.
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"

#include <memory>

class TSimpleText;
class TStringList;
class TPointBasedFont;

class TDateTextBase : public TLORectBase, public IDOAutoSize {
    LR_CLASS(TDateTextBase, TLORectBase)
public:
    TDateTextBase();
    ~TDateTextBase() override;

    TSimpleText& TextModel() const { return *text_; }
    TStringList* Text();
    const TStringList* Text() const;
    TPointBasedFont* Font();
    const TPointBasedFont* Font() const;
    int Align() const;
    void SetAlign(int align);
    bool Vertical() const;
    void SetVertical(bool vertical);
    int CharSpacing() const;
    void SetCharSpacing(int spacing);
    int LineSpacing() const;
    void SetLineSpacing(int spacing);
    int Angle() const;
    void SetAngle(int angle);

    // IDOAutoSize
    bool AutoSize() const override { return autoSize_; }
    void SetAutoSize(bool autoSize) override;
    // Fits the rectangle to the text, keeping its top-left corner.
    void FitToText();

    void Paint(TCanvas& canvas) override;
    void Resize(int width, int height) override;
    void DrawOutline(TCanvas& canvas) override;
    void AssignTo(TPersistent& target) const override;

private:
    void TextChanged();

    std::unique_ptr<TSimpleText> text_;
    bool autoSize_ = false;
};
