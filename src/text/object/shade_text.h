#pragma once
// TLOShadeText: the text object with a soft shadow. The shadow's coverage is blurred, so a
// soft shadow always goes through the blended paint; the text stays sharp on top. TLOText,
// the class documents store, is the shade text.
#include "text/object/wizard_text.h"

class TLOShadeText : public TLOWizardText {
    LR_CLASS(TLOShadeText, TLOWizardText)
public:
    TLOShadeText() = default;

    bool ShadeShadowEnable() const { return shadeShadowEnable_; }
    void SetShadeShadowEnable(bool enable);
    // Stored and copied; the blur does not depend on it.
    int ShadeShadowSize() const { return shadeShadowSize_; }
    void SetShadeShadowSize(int size);
    // Thickens the soft shadow by 1 mm in the four axis directions before it is blurred.
    bool ShadeShadowBold() const { return shadeShadowBold_; }
    void SetShadeShadowBold(bool bold);

    // The hard shadow's displacement, moved a tenth of the cell further out for a soft
    // shadow (only when a shadow is set).
    QPoint ShadowDisplacement() const override;
    // The blur radius in device pixels of the canvas: a tenth of the cell height.
    int BlurRadius(const TCanvas& canvas) const;

    void Paint(TCanvas& canvas) override;
    bool NeedsBlendedPaint() const override;
    void PaintMask(TCanvas& mask) override;
    void AssignTo(TPersistent& target) const override;

private:
    bool shadeShadowEnable_ = false;
    int shadeShadowSize_ = 0;
    bool shadeShadowBold_ = false;
};

// The text object as documents store it ("TLOText"); older class names are read as it.
class TLOText : public TLOShadeText {
    LR_CLASS(TLOText, TLOShadeText)
public:
    TLOText() = default;
};
