// TLabelData's effective paper, kept apart from the document's storage code.
#include "document/label_data.h"

#include "catalogue/paper/paper_info.h"
#include "document/direct_print/effective_paper.h"
#include "document/direct_print/size_adjustment.h"

const TPaperInfo* TLabelData::EffectivePaper()
{
    if (!paper_)
        return nullptr;
    // Recomputed for every new paper, whenever the paper's group (its printer model)
    // changed and whenever a size adjustment was written.
    const int generation = SizeAdjustmentGeneration();
    if (!effectiveValid_ || paper_->GroupName() != effectiveGroup_ || generation != effectiveGeneration_) {
        effectivePaper_ = MakeEffectivePaper(*paper_);
        effectiveGroup_ = paper_->GroupName();
        effectiveGeneration_ = generation;
        effectiveValid_ = true;
    }
    return effectivePaper_.get();
}
