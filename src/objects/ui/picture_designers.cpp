#include "objects/ui/picture_designers.h"

#include "core/frame/data_files.h"
#include "editing/actions/object_actions.h"
#include "editing/designers/designer_list.h"
#include "objects/pictures/alpha_mask.h"
#include "objects/pictures/image_object.h"
#include "objects/ui/alpha_mask_dialog.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/illust_dialog.h"
#include "objects/ui/shade_selecter.h"

#include <QApplication>

namespace {

const QString kChangeCaption = QStringLiteral("設定変更");

// Runs a property dialog (which may first ask for the picture) and writes its result into
// the object as one undoable change; a cancelled dialog changes nothing.
template <class Dialog>
TEditOutcome RunAndWriteBack(Dialog& dialog, TDrawObject& object, TActionList& actions)
{
    if (!dialog.Prepare() || dialog.exec() != QDialog::Accepted)
        return TEditOutcome::Cancelled;
    // Records nothing for a new object that is not on a site yet: its addition is the step.
    auto action = std::make_unique<TDOChangeAction>(object);
    action->SetCaption(kChangeCaption);
    object.Assign(dialog.Result());
    TDOChangeAction::Finish(std::move(action), actions, true);
    return TEditOutcome::Confirmed;
}

QString ChooseShade(QWidget* parent)
{
    TfrmShadeSelecter selecter(LocateDataFile(QStringLiteral("Shade/Shade.dat")),
                               LocateDataFile(QStringLiteral("Shade/Shade.ids")), parent);
    return selecter.exec() == QDialog::Accepted ? selecter.SelectedPicturePath() : QString();
}

class TDOImageEditor : public TDODesigner {
public:
    TDOImageEditor(TActionList& actions, TPictureDesignerOptions options) : actions_(actions), options_(options) {}

    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* image = dynamic_cast<TLOImage*>(&object);
        if (!image)
            return TEditOutcome::NotMine;
        TfrmIllustProperty dialog(*image, LocateDataFile(QStringLiteral("Frame/Frame.dat")),
                                  options_.AdvancedMode && options_.AdvancedMode(), &ChoosePictureFile,
                                  QApplication::activeWindow());
        return RunAndWriteBack(dialog, object, actions_);
    }

private:
    TActionList& actions_;
    TPictureDesignerOptions options_;
};

class TDOAlphaMaskEditor : public TDODesigner {
public:
    explicit TDOAlphaMaskEditor(TActionList& actions) : actions_(actions) {}

    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* mask = dynamic_cast<TLOAlphaMask*>(&object);
        if (!mask)
            return TEditOutcome::NotMine;
        TfrmAlphaMaskProperty dialog(*mask, mask->Width() == 0 || mask->Height() == 0, &ChooseShade,
                                     QApplication::activeWindow());
        return RunAndWriteBack(dialog, object, actions_);
    }

private:
    TActionList& actions_;
};

} // namespace

void RegisterPictureDesigners(TDODesignerList& designers, TActionList& actions, TPictureDesignerOptions options)
{
    designers.Add(std::make_unique<TDOImageEditor>(actions, options));
    designers.Add(std::make_unique<TDOAlphaMaskEditor>(actions));
}
