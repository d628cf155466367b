#pragma once
// The grid and the guides of a face: shown on the draw site, snapped to while dragging,
// and stored with the label document's sheet settings.
#include "core/persistent/persistent.h"
#include "core/canvas/rect.h"

#include <array>

class TCanvas;

class TGrid : public TPersistent {
    LR_CLASS(TGrid, TPersistent)
public:
    TGrid() = default;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    // Snap to the grid.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Pitch in logical units.
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    // Full lines, or one dot per grid point.
    bool LineShape() const { return lineShape_; }
    void SetLineShape(bool lineShape) { lineShape_ = lineShape; }

    void Assign(const TPersistent& source) override;
    // Draws the grid over the rectangle from its top-left corner, every Size units, with
    // the canvas's pen.
    void Draw(TCanvas& canvas, const TRect& area) const;

private:
    bool visible_ = false;
    bool enabled_ = false;
    int size_ = 50;
    bool lineShape_ = false;
};

class TGuide : public TPersistent {
    LR_CLASS(TGuide, TPersistent)
public:
    static constexpr int kCount = 10;
    struct Slot {
        int X = 0; // a vertical guide at x = X when not 0
        int Y = 0; // else a horizontal guide at y = Y when not 0
        bool IsFree() const { return X == 0 && Y == 0; }
        friend bool operator==(const Slot&, const Slot&) = default;
    };

    TGuide() = default;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    int Count() const { return kCount; }
    void SetCount(int) {}
    const Slot& Guide(int index) const { return slots_.at(index); }
    void SetGuide(int index, Slot slot) { slots_.at(index) = slot; }

    // The first guide within tolerance of the point on its own axis, or -1.
    int HitTest(QPoint point, int tolerance) const;
    int FirstFreeSlot() const;
    bool AllFree() const;
    // Clears every guide outside the rectangle on its own axis; no guide left turns the
    // guides off.
    void ClipTo(const TRect& area);
    // Full-height and full-width lines across the rectangle, with the canvas's pen.
    void Draw(TCanvas& canvas, const TRect& area) const;

    void Assign(const TPersistent& source) override;
    // The slots are streamed as the binary property "Pos": a 32-bit count, then (X, Y)
    // pairs of 32-bit integers; at most ten are taken on reading.
    void DefineProperties(TFiler& filer) override;

private:
    bool visible_ = false;
    bool enabled_ = false;
    std::array<Slot, kCount> slots_{};
};
