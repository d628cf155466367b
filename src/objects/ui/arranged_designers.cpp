#include "objects/ui/arranged_designers.h"

#include "core/error.h"
#include "core/frame/data_files.h"
#include "core/messages.h"
#include "editing/designers/designer_list.h"
#include "graphics/image_data/image_data.h"
#include "objects/backgrounds/arranged_image.h"
#include "objects/ui/arranged_image_dialog.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/illust_dialog.h"
#include "objects/ui/property_edit.h"

#include <QApplication>

namespace {

// The shipped fixed layouts; a damaged set offers none and says why.
std::vector<TFixedLayout> ShippedLayouts()
{
    try {
        return LoadFixedLayouts(LocateDataFile(QStringLiteral("Arranged/Arranged.sld")));
    } catch (const EAppError& error) {
        ShowError(error);
        return {};
    }
}

// The selection dialog on the arranged image; true when it composed one, which the image
// then takes.
bool SelectArrangement(TLOArrangedImage& image, QWidget* parent)
{
    TfrmSelectArrangedImage dialog(image, ShippedLayouts(), &ChoosePictureFiles, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    image.Assign(dialog.Result());
    return true;
}

bool HasComposition(const TLOArrangedImage& image)
{
    return !image.ImageData()->Empty();
}

// A confirmed dialog's result written into the object as one undoable change.
TEditOutcome WriteBack(bool confirmed, TDrawObject& object, const std::function<const TPersistent&()>& result)
{
    if (!confirmed)
        return TEditOutcome::Cancelled;
    ApplyPropertyEdit(object, [&] { object.Assign(result()); });
    return TEditOutcome::Confirmed;
}

class TDOArrangedImageEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* image = dynamic_cast<TLOArrangedImage*>(&object);
        if (!image)
            return TEditOutcome::NotMine;
        if (!HasComposition(*image)) {
            TfrmSelectArrangedImage dialog(*image, ShippedLayouts(), &ChoosePictureFiles, QApplication::activeWindow());
            const bool confirmed = dialog.exec() == QDialog::Accepted;
            return WriteBack(confirmed, object, [&]() -> const TPersistent& { return dialog.Result(); });
        }
        TfrmIllustProperty dialog(*image, QString(), false, {}, QApplication::activeWindow());
        dialog.SetArrangementChooser(&SelectArrangement);
        const bool confirmed = dialog.Prepare() && dialog.exec() == QDialog::Accepted;
        return WriteBack(confirmed, object, [&]() -> const TPersistent& { return dialog.Result(); });
    }
};

} // namespace

void RegisterArrangedImageDesigners(TDODesignerList& designers)
{
    designers.Add(std::make_unique<TDOArrangedImageEditor>());
}
