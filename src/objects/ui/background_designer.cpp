#include "objects/ui/background_designer.h"

#include "core/frame/data_files.h"
#include "editing/actions/object_actions.h"
#include "editing/designers/designer_list.h"
#include "graphics/color/color_fill.h"
#include "objects/backgrounds/back_image_2004.h"
#include "objects/ui/back_image_editor.h"
#include "objects/ui/dialog_parts.h"

#include <QApplication>

namespace {

enum class TBackDialog { Choice, Adjust };

// The dialog in which the last editing ended, while the program runs.
TBackDialog lastDialog = TBackDialog::Choice;

// A background whose fill is no picture starts with the choice, any other with the dialog
// in which the last editing ended.
TBackDialog FirstDialog(const TLOBackImage& background)
{
    return background.FillColor()->Kind() == cskBitmap ? lastDialog : TBackDialog::Choice;
}

class TDOBackImageEditor : public TDODesigner {
public:
    explicit TDOBackImageEditor(TActionList& actions) : actions_(actions) {}

    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* background = dynamic_cast<TLOBackImage*>(&object);
        if (!background)
            return TEditOutcome::NotMine;
        return EditBackground(*background, &actions_, {DataFolder(), &ChoosePictureFile, &ChoosePictureFiles},
                              QApplication::activeWindow())
                   ? TEditOutcome::Confirmed
                   : TEditOutcome::Cancelled;
    }

private:
    TActionList& actions_;
};

} // namespace

bool EditBackground(TLOBackImage& background, TActionList* actions, const TBackgroundSources& sources,
                    QWidget* parent)
{
    TLOBackImage2004 copy;
    copy.Assign(background);
    TBackDialog current = FirstDialog(background);
    int result = QDialog::Rejected;
    for (;;) {
        if (current == TBackDialog::Choice) {
            TfrmBackGround2002 dialog(copy, sources, parent);
            result = dialog.exec();
            if (result != TfrmBackGround2002::kAdjustResult)
                break;
            current = TBackDialog::Adjust;
        } else {
            TfrmBackImageEditor dialog(copy, sources.DataFolder, parent);
            result = dialog.exec();
            if (result != TfrmBackImageEditor::kReselectResult)
                break;
            current = TBackDialog::Choice;
        }
    }
    lastDialog = current;
    if (result != QDialog::Accepted)
        return false;
    std::unique_ptr<TDOChangeAction> action;
    if (actions) {
        action = std::make_unique<TDOChangeAction>(background);
        action->SetCaption(QStringLiteral("設定変更"));
    }
    background.Assign(copy);
    if (action)
        TDOChangeAction::Finish(std::move(action), *actions, true);
    return true;
}

void RegisterBackgroundDesigner(TDODesignerList& designers, TActionList& actions)
{
    designers.Add(std::make_unique<TDOBackImageEditor>(actions));
}
