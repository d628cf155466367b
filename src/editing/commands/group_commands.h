#pragma once
// Grouping and ungrouping of the selected objects, each one undo step.
#include "editing/commands/ds_command.h"

// Joins two or more selected objects into a new group: the group, made of copies of the
// objects in back-to-front order, is added (recorded as added), the objects themselves are
// deleted as the delete command deletes them, and the group is selected.
class TDSOGrouping : public TDrawSiteCommand {
public:
    TDSOGrouping();

protected:
    void Filter(TEditSite&, std::vector<TDrawObject*>& targets) override;
    void ExecuteFirst(TEditSite& site) override;
    bool HasSteps() const override { return false; }
};

// Every selected group releases copies of its members onto the site in their stacking
// order, all selected and each recorded as added, and is removed (recorded as deleted).
class TDSOUnGrouping : public TDrawSiteCommand {
public:
    TDSOUnGrouping();

protected:
    void EachObject(TEditSite& site, TDrawObject& object) override;
};
