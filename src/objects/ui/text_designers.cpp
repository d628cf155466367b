#include "objects/ui/text_designers.h"

#include "editing/designers/designer_list.h"
#include "objects/ui/property_edit.h"
#include "objects/ui/text_edit_dialog.h"
#include "text/object/wizard_text.h"

#include <QApplication>

namespace {

class TDOTextEditor : public TDODesigner {
public:
    explicit TDOTextEditor(bool (*advancedMode)()) : advancedMode_(advancedMode) {}

    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* text = dynamic_cast<TLOWizardText*>(&object);
        if (!text)
            return TEditOutcome::NotMine;
        const TTextEditOptions options{ShippedPatternFiles(), advancedMode_ && advancedMode_()};
        return EditText(*text, options, QApplication::activeWindow()) ? TEditOutcome::Confirmed : TEditOutcome::Cancelled;
    }

private:
    bool (*advancedMode_)();
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

void RegisterTextDesigners(TDODesignerList& designers, bool (*advancedMode)())
{
    designers.Add(std::make_unique<TDOTextEditor>(advancedMode));
}
