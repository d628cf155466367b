#include "objects/ui/date_designer.h"

#include "editing/designers/designer_list.h"
#include "objects/dates/date_object.h"
#include "objects/ui/date_property_dialog.h"
#include "objects/ui/property_edit.h"

#include <QApplication>

namespace {

class TDODateEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* date = dynamic_cast<TLODate*>(&object);
        if (!date)
            return TEditOutcome::NotMine;
        // An object not on a site yet is being created: its addition is the one undo step.
        return EditDate(*date, !object.IsOnDrawSite(), ShippedPatternFiles(), QApplication::activeWindow())
                   ? TEditOutcome::Confirmed
                   : TEditOutcome::Cancelled;
    }
};

} // namespace

bool EditDate(TLODate& date, bool isNew, const TPatternFiles& patterns, QWidget* parent)
{
    TfrmDateProperty dialog(date, isNew, patterns, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ApplyPropertyEdit(date, [&] { dialog.WriteBack(date); });
    return true;
}

void RegisterDateDesigner(TDODesignerList& designers)
{
    designers.Add(std::make_unique<TDODateEditor>());
}
