#include "document/direct_print/effective_paper.h"

#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/free_paper_info.h"
#include "catalogue/paper/matrix_paper_info.h"
#include "document/direct_print/direct_printer_info.h"
#include "document/direct_print/size_adjustment.h"

namespace {

TPapersV2* catalogue = nullptr;

} // namespace

TPapersV2* DirectPrintCatalogue()
{
    return catalogue;
}

void SetDirectPrintCatalogue(TPapersV2* papers)
{
    catalogue = papers;
}

std::unique_ptr<TPaperInfo> MakeEffectivePaper(const TPaperInfo& paper)
{
    std::unique_ptr<TPaperInfo> effective = paper.Clone();
    if (!catalogue || !catalogue->IsDirectPrintPaper(paper))
        return effective;
    TDirectPrinterInfo printers = TDirectPrinterInfo::FromCatalogue(*catalogue);
    if (!printers.Select(paper.GroupName()))
        return effective; // a model the catalogue no longer knows: the paper as it is
    const TDirectPrinterModel& model = *printers.Selected();
    effective->SetWidth(model.TrayWidth);
    effective->SetHeight(model.TrayHeight);
    const TSizeAdjustment adjustment = ReadSizeAdjustment(paper, &model);
    const int o = adjustment.Outer;
    const int i = adjustment.Inner;
    if (auto* matrix = dynamic_cast<TMatrixPaperInfo*>(effective.get())) {
        matrix->SetLeftOffset(model.CenterX - matrix->FaceWidth() / 2 - o / 2);
        matrix->SetTopOffset(model.CenterY - matrix->FaceHeight() / 2 - o / 2);
        matrix->SetFaceWidth(matrix->FaceWidth() + o);
        matrix->SetFaceHeight(matrix->FaceHeight() + o);
        matrix->SetCutCenterWidth(matrix->CutCenterWidth() + i);
        matrix->SetCutCenterHeight(matrix->CutCenterHeight() + i);
    } else if (auto* free = dynamic_cast<TFreePaperInfo*>(effective.get())) {
        for (int index = 0; index < free->FaceCount(); ++index) {
            TFaceItem* face = free->Faces()->Face(index);
            const int width = face->Width();
            const int height = face->Height();
            face->SetLeft(model.CenterX - width / 2 - o / 2);
            face->SetTop(model.CenterY - height / 2 - o / 2);
            face->SetWidth(width + o);
            face->SetHeight(height + o);
            face->SetCutCenterWidth(face->CutCenterWidth() + i);
            face->SetCutCenterHeight(face->CutCenterHeight() + i);
        }
    }
    return effective;
}
