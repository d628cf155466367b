#pragma once
// TLOFaceForPrintPaper: a face as the sheet print dialog shows it: white, with its outline
// and dotted cut line; a face chosen for printing gets a blue frame two pixels wide just
// inside its outline (and around its hole).
#include "core/face/face_object.h"

class TLOFaceForPrintPaper : public TLOFace {
    LR_CLASS(TLOFaceForPrintPaper, TLOFace)
public:
    TLOFaceForPrintPaper() = default;
    void Paint(TCanvas& canvas) override;
};
