#pragma once
// The rubber band: selects every object that lies wholly inside it.
#include "editing/ghosts/ghost.h"

class TSelectGhost : public TGhost {
public:
    void Begin(QPoint start) override { start_ = corner_ = start; }
    void Draw(TCanvas& canvas) override;
    void Move(TShiftState shift, QPoint delta) override;
    void Commit(TShiftState shift) override;

    // The band in logical units, normalised.
    TRect Band() const;

private:
    QPoint start_;
    QPoint corner_;
};
