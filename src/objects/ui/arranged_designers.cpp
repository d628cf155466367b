#include "objects/ui/arranged_designers.h"

#include "core/error.h"
#include "core/frame/data_files.h"
#include "core/messages.h"
#include "editing/designers/designer_list.h"
#include "objects/backgrounds/arranged_image.h"
#include "objects/ui/arranged_image_dialog.h"
#include "objects/ui/dialog_parts.h"
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

class TDOArrangedImageEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* image = dynamic_cast<TLOArrangedImage*>(&object);
        if (!image)
            return TEditOutcome::NotMine;
        TfrmSelectArrangedImage dialog(*image, ShippedLayouts(), &ChoosePictureFiles, QApplication::activeWindow());
        if (dialog.exec() != QDialog::Accepted)
            return TEditOutcome::Cancelled;
        ApplyPropertyEdit(object, [&] { object.Assign(dialog.Result()); });
        return TEditOutcome::Confirmed;
    }
};

} // namespace

void RegisterArrangedImageDesigners(TDODesignerList& designers)
{
    designers.Add(std::make_unique<TDOArrangedImageEditor>());
}
