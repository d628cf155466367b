#pragma once
// Stand-in objects for printing documents: a filled box, a box that cannot be drawn on a
// printer, a background that fills its face, and the soft-edge mask object (white laid
// over the face as strongly as the mask says). Registered for streams.
#include "core/model/document_facts.h"
#include "core/model/rect_object.h"

#include <QImage>

class TPrintTestBox : public TLORectBase {
    LR_CLASS(TPrintTestBox, TLORectBase)
public:
    TPrintTestBox() = default;
    TPrintTestBox(TRect rect, int colour) : colour_(colour) { SetBoundsRect(rect); }
    int Colour() const { return colour_; }
    void SetColour(int colour) { colour_ = colour; }
    void Paint(TCanvas& canvas) override;
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas&) override {}

private:
    int colour_ = 0x0000FF;
};

// Raises an error when painted on a printer's canvas.
class TPrintTestBroken : public TPrintTestBox {
    LR_CLASS(TPrintTestBroken, TPrintTestBox)
public:
    TPrintTestBroken() = default;
    void Paint(TCanvas& canvas) override;
};

class TPrintTestBackground : public TPrintTestBox, public IBackgroundImageObject {
    LR_CLASS(TPrintTestBackground, TPrintTestBox)
public:
    TPrintTestBackground() = default;
    bool IsEmptyBackground() const override { return false; }
    void SetFace(const TFaceInfo&, int width, int height) override { SetBoundsRect({0, 0, width, height}); }
    std::unique_ptr<TDrawObject> CurrentKind() const override { return nullptr; }
};

class TPrintTestSoftEdge : public TPrintTestBox {
    LR_CLASS(TPrintTestSoftEdge, TPrintTestBox)
public:
    TPrintTestSoftEdge() = default;
    explicit TPrintTestSoftEdge(const QImage& mask);
    void Paint(TCanvas& canvas) override;

private:
    QImage white_;
};

// Registers the classes and installs the soft-edge stand-in.
void RegisterPrintTestObjects();
