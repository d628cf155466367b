#pragma once
// Stand-in object types for the object tests: a filled box that turns in quarter turns
// (its bounds are the turned box, its stored rectangle the unturned one), registered for
// streams.
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"

class TStandInBox : public TLORectBase, public IDORotate {
    LR_CLASS(TStandInBox, TLORectBase)
public:
    TStandInBox() = default;
    explicit TStandInBox(TRect rect, int colour = 0x0000FF, int angle = 0);

    int Colour() const { return colour_; }
    void SetColour(int colour) { colour_ = colour; }
    int Angle() const override { return angle_; }
    void SetAngle(int angle) override { angle_ = ((angle % 360) + 360) % 360; }
    bool Turned() const { return angle_ == 90 || angle_ == 270; }

    // The turned box about the rectangle's centre.
    TRect GetBounds() const override;
    bool HitTest(QPoint logical) const override { return GetBounds().Contains(logical); }
    void MoveBy(int dx, int dy) override { SetBoundsRect(BoundsRect().Translated(dx, dy)); }
    // Gives the turned box the size, keeping its top-left corner.
    void Resize(int width, int height) override;
    void Paint(TCanvas& canvas) override;
    void DrawOutline(TCanvas&) override {}
    void AssignTo(TPersistent& target) const override;

private:
    int colour_ = 0x0000FF;
    int angle_ = 0;
};

void RegisterStandInObjects();
