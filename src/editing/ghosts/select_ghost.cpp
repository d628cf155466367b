#include "editing/ghosts/select_ghost.h"

#include "core/canvas/canvas.h"
#include "editing/site/edit_site.h"

void TSelectGhost::Draw(TCanvas& canvas)
{
    canvas.Painter().drawRect(Band().ToQRect());
}

void TSelectGhost::Move(TShiftState, QPoint delta)
{
    corner_ = ClampPoint(start_ + delta, Clamp());
}

void TSelectGhost::Commit(TShiftState)
{
    TRect device = NormalizeRect(Site().LogToDevRect(TRect(start_.x(), start_.y(), corner_.x(), corner_.y())));
    ++device.Right;
    ++device.Bottom;
    Site().SelectInRect(device);
}

TRect TSelectGhost::Band() const
{
    return NormalizeRect(TRect(start_.x(), start_.y(), corner_.x(), corner_.y()));
}
