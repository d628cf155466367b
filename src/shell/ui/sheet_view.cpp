#include "shell/ui/sheet_view.h"

#include "catalogue/paper/paper_info.h"
#include "document/label_data.h"

TSheetView::TSheetView(QWidget* parent) : TPaperSite(parent)
{
    connect(this, &TPaperSite::FaceClicked, this, &TSheetView::FaceChosen);
}

void TSheetView::SetDocument(TLabelData* document)
{
    const TPaperInfo* paper = document ? document->EffectivePaper() : nullptr;
    SetPaper(paper);
    if (paper)
        SelectFace(std::clamp(document->CurrentLabelNo(), 0, std::max(0, paper->FaceCount() - 1)));
}
