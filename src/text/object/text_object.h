#pragma once
// TLOTextBase: the label object that shows text. A rectangle on the face holding a
// TSimpleText, three fills (text, outline, shadow), an optional Coons distortion, a rotation
// and shadow, outline and bulge settings. It paints a hard shadow, the outline and the fill,
// gives its coverage for blended painting, and lets its baseline be bent through IDOCurve.
// The class that documents store as "TLOText" derives from it (wizard input, soft shadow).
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"
#include "graphics/color/color_interfaces.h"
#include "text/object/field_type.h"
#include "text/text_interfaces.h"

#include <QPainterPath>
#include <memory>
#include <optional>

class TCoonsDistortion;
class TColorSpec;
class TPointBasedFont;
class TSimpleText;
class TStringList;
class TStroke;

extern const TTypeInfo FieldTypeType;

// Shadow offsets in percent of the text cell height.
struct TShadowOffset {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TShadowOffset&, const TShadowOffset&) = default;
};
inline constexpr int kShadowPresetCount = 9;
// What Shadow reads when the offsets match no preset.
inline constexpr int kCustomShadow = 9;
// Preset 0 is no shadow; 1 ... 8 go round the text: up-left, up, up-right, left, right,
// down-left, down, down-right, 7 percent each way.
TShadowOffset ShadowPreset(int index);

// The settings key that switches the anti-aliased painting of distorted text.
inline constexpr char kAntiAliasDistortionTextKey[] = "AntiAliasDistortionText";
bool AntiAliasDistortionText();

class TLOTextBase : public TLORectBase,
                    public IBlendable,
                    public IDORotate,
                    public IDOCurve,
                    public IDOAutoSize,
                    public IDOVertText,
                    public IDOFont,
                    public IDOAlign,
                    public IDOFeedAngle,
                    public IDOShadow,
                    public IDOLineColor,
                    public IDOPasteText {
    LR_CLASS(TLOTextBase, TLORectBase)
public:
    static constexpr int kCurrentVersion = 1;

    TLOTextBase();
    ~TLOTextBase() override;

    // IDOPasteText: the clipboard's text becomes the lines.
    void SetPastedText(const QString& text) override;

    // --- published, in stream order ---------------------------------------------------
    int Version() const { return kCurrentVersion; }
    void SetVersion(int version) { loadedVersion_ = version; }
    TStringList* Text();
    const TStringList* Text() const;
    TPointBasedFont* TextFont();
    const TPointBasedFont* TextFont() const;
    int Align() const override;
    void SetAlign(int align) override;
    bool Vertical() const override;
    void SetVertical(bool vertical) override;
    int CharSpacing() const;
    void SetCharSpacing(int spacing);
    int LineSpacing() const;
    void SetLineSpacing(int spacing);
    // Degrees clockwise, kept in 0 ... 359.
    int Angle() const override;
    void SetAngle(int angle) override;
    TCoonsDistortion* CoonsDistortion() { return distortion_.get(); }
    const TCoonsDistortion* CoonsDistortion() const { return distortion_.get(); }
    int DistortionRatio() const { return distortionRatio_; }
    void SetDistortionRatio(int ratio);
    TColorSpec* TextColor() { return textColor_.get(); }
    const TColorSpec* TextColor() const { return textColor_.get(); }
    bool Outline() const { return outline_; }
    void SetOutline(bool outline);
    TColorSpec* OutlineColor() { return outlineColor_.get(); }
    const TColorSpec* OutlineColor() const { return outlineColor_.get(); }
    // Half the outline's width, layout units.
    int OutLineWidth() const { return outLineWidth_; }
    void SetOutLineWidth(int width);
    // The preset whose offsets equal the current ones, or kCustomShadow; setting a preset
    // index copies its offsets, other values change nothing.
    int Shadow() const;
    void SetShadow(int preset);
    int ShadowOffsetX() const { return shadowOffset_.X; }
    void SetShadowOffsetX(int percent);
    int ShadowOffsetY() const { return shadowOffset_.Y; }
    void SetShadowOffsetY(int percent);
    TColorSpec* ShadowColor() { return shadowColor_.get(); }
    const TColorSpec* ShadowColor() const { return shadowColor_.get(); }
    bool AutoSize() const override { return autoSize_; }
    void SetAutoSize(bool autoSize) override;
    // Arc height of the baseline; while the bulge handle is dragged, -49 ... 49 snaps to 0.
    int Bulge() const;
    void SetBulge(int bulge);
    int FieldNo() const { return fieldNo_; }
    void SetFieldNo(int fieldNo);
    TFieldType FieldType() const { return fieldType_; }
    void SetFieldType(TFieldType type);
    bool HanToZen() const;
    void SetHanToZen(bool convert);
    bool NumToKnj() const;
    void SetNumToKnj(bool convert);
    bool MinusExc() const;
    void SetMinusExc(bool keep);
    int FeedAngle() const override;
    void SetFeedAngle(int angle) override;
    // Read from older documents only: 1 or 4 slant the lines by 45 degrees, 2 or 3 by -45.
    int DiagonalAlign() const { return 0; }
    void SetDiagonalAlign(int align);

    // --- state --------------------------------------------------------------------------
    TSimpleText& Layout() { return *text_; }
    const TSimpleText& Layout() const { return *text_; }
    // The distortion is used: it is not empty and the baseline is straight.
    bool IsDistorted() const;
    // The shadow displacement in layout units.
    virtual QPoint ShadowDisplacement() const;
    // The text cell height at the object's font, layout units.
    int CellHeight() const;

    // --- interfaces -------------------------------------------------------------------------
    void SetBlendShade(bool shade) override { TLabelObject::SetBlendShade(shade); }
    bool BlendShade() const override { return TLabelObject::BlendShade(); }
    void SetBlendRatio(int ratio) override { TLabelObject::SetBlendRatio(ratio); }
    int BlendRatio() const override { return TLabelObject::BlendRatio(); }
    const TPointBasedFont& Font() const override { return *TextFont(); }
    void SetFont(const TPointBasedFont& font) override;
    void SetShadowColor(const TColorSpec& color) override;
    bool IsShadowOff() const override { return ShadowDisplacement().isNull(); }
    const TColorSpec& LineColor() const override { return *textColor_; }
    void SetLineColor(const TColorSpec& color) override;
    // IDOCurve: the chord of the baseline and its bulge point. The curve is withheld while
    // the text is distorted.
    bool CurveAvailable() const override { return !IsDistorted(); }
    QPoint StartPoint() const override;
    void SetStartPoint(QPoint point) override;
    QPoint EndPoint() const override;
    void SetEndPoint(QPoint point) override;
    QPoint BulgePoint() const override;
    void SetBulgePoint(QPoint point) override;
    void BeginEdit() override;
    void EndEdit() override;

    // --- label-object operations --------------------------------------------------------------
    void Paint(TCanvas& canvas) override;
    bool NeedsBlendedPaint() const override;
    void PaintMask(TCanvas& mask) override;
    QImage RenderImage(TCanvas& target) override;
    bool HitTest(QPoint logical) const override;
    TRect GetBounds() const override;
    void Resize(int width, int height) override;
    void DrawOutline(TCanvas& canvas) override;
    void SetBoundsRect(const TRect& rect) override;
    void Loaded() override;
    void AssignTo(TPersistent& target) const override;

    // The glyph outline as painted: distorted and rotated (rebuilt after every change).
    const TStroke& RenderOutline() const;
    // The clip of all painting, layout units.
    QPainterPath PaintArea() const;
    // Fits the rectangle to the text when AutoSize is on (not with a bulge).
    void ApplyAutoSize();

protected:
    // Paints the text shape (no shadow) in the fill, and the outline when given.
    void Fill(TCanvas& canvas, const TColorSpec& fill, const TColorSpec* outline);
    // The text's shape painted white into a coverage map: the outline's stroke included
    // when it is set.
    void PaintShapeMask(TCanvas& mask, bool withOutline);
    // Shifts the canvas's origin so that logical point p draws where p + offset would.
    static void ShiftOrigin(TCanvas& canvas, QPoint offset);
    // Drops the cached outlines after a change.
    void DropOutlines();
    // Repaints and reports a change.
    void Modify();
    bool IsAssigning() const { return assigning_; }
    // Soft shadows and similar: true while RenderImage builds the colour image.
    bool RenderingImage() const { return renderingImage_; }

private:
    struct TArcBand {
        QPoint Start;
        QPoint Middle;
        QPoint End;
        int Width = 0;
    };
    bool HasPresetShadow() const;
    bool HasCustomShadow() const;
    const TStroke& TextOutline() const;
    std::optional<TArcBand> ArcBand(bool withOutline) const;
    TRect UnrotatedPaintRect() const;
    int BlockThickness() const;
    void ChordPoints(QPoint& start, QPoint& end) const;
    void TextChanged();
    void ColorChanged();
    void ApplyLoadRules();
    bool FillAntiAliased(TCanvas& canvas, const TColorSpec& fill);
    void FillPlain(TCanvas& canvas, const TColorSpec& fill, const TColorSpec* outline);

    std::unique_ptr<TSimpleText> text_;
    std::unique_ptr<TCoonsDistortion> distortion_;
    std::unique_ptr<TColorSpec> textColor_;
    std::unique_ptr<TColorSpec> outlineColor_;
    std::unique_ptr<TColorSpec> shadowColor_;
    int distortionRatio_ = 100;
    bool outline_ = false;
    int outLineWidth_ = 0;
    TShadowOffset shadowOffset_;
    bool autoSize_ = false;
    int fieldNo_ = 0;
    TFieldType fieldType_ = ftProduct;
    int loadedVersion_ = 0;

    // Bulge editing: the stored chord end points and bulge point.
    bool editing_ = false;
    QPoint editStart_;
    QPoint editEnd_;
    QPoint editBulge_;
    QPoint editOriginalMid_;

    bool assigning_ = false;
    bool renderingImage_ = false;
    mutable std::unique_ptr<TStroke> textOutline_;
    mutable std::unique_ptr<TStroke> renderOutline_;
};
