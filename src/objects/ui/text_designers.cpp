#include "objects/ui/text_designers.h"

#include "editing/designers/designer_list.h"
#include "objects/ui/property_edit.h"
#include "objects/ui/text_edit_dialog.h"
#include "text/object/wizard_text.h"

#include <QApplication>

namespace {

class TDOTextEditor : public TDODesigner {
public:
    TDOTextEditor(bool (*advancedMode)(), std::function<TDataFieldRecords()> records)
        : advancedMode_(advancedMode), records_(std::move(records))
    {
    }

    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* text = dynamic_cast<TLOWizardText*>(&object);
        if (!text)
            return TEditOutcome::NotMine;
        const TTextEditOptions options{ShippedPatternFiles(), advancedMode_ && advancedMode_(),
                                       records_ ? records_() : TDataFieldRecords{}};
        return EditText(*text, options, QApplication::activeWindow()) ? TEditOutcome::Confirmed : TEditOutcome::Cancelled;
    }

private:
    bool (*advancedMode_)();
    std::function<TDataFieldRecords()> records_;
};

} // namespace

bool EditText(TLOTextBase& text, const TTextEditOptions& options, QWidget* parent)
{
    TfrmTextEdit dialog(text, options, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ApplyPropertyEdit(text, [&] { dialog.WriteBack(text); });
    return true;
}

void RegisterTextDesigners(TDODesignerList& designers, bool (*advancedMode)(), std::function<TDataFieldRecords()> records)
{
    designers.Add(std::make_unique<TDOTextEditor>(advancedMode, std::move(records)));
}
