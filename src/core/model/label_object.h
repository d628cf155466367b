#pragma once
// TLabelObject: a draw object that can be printed or kept off the printer, painted with
// an opacity, and shared through interface references.
#include "core/model/draw_object.h"

class TLabelObject : public TDrawObject {
    LR_CLASS(TLabelObject, TDrawObject)
public:
    TLabelObject() = default;

    bool DontPrint() const { return dontPrint_; }
    void SetDontPrint(bool dontPrint);
    int BlendRatio() const { return blendRatio_; }
    void SetBlendRatio(int ratio);
    bool BlendShade() const { return blendShade_; }
    void SetBlendShade(bool shade);

    // Interface references: the count starts at 1, the owner's reference, which the owner
    // (a draw site, or whoever created the object) gives up by destroying the object
    // directly, never through Release. Release may be called only by a holder that took a
    // reference with AddRef; when it drops the last one the object is destroyed, leaving
    // its site first.
    int AddRef() { return ++refCount_; }
    int Release();
    int RefCount() const { return refCount_; }

    void CreatePivots() override;
    void AddGhost(int handleIndex) override;
    void SetMovable(bool movable) override;
    // Nothing is drawn when the object is DontPrint and the canvas is a printer's.
    void PaintTo(TCanvas& canvas) override;

    // Asks the designer registry to open the object's property dialog; true when a
    // designer edited it.
    bool Edit();

    void AssignTo(TPersistent& target) const override;

private:
    bool dontPrint_ = false;
    int blendRatio_ = 100;
    bool blendShade_ = false;
    int refCount_ = 1;
};
