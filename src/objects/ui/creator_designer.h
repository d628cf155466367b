#pragma once
// The creation tool of the draw site: a creation command's class name becomes a new object
// with its defaults (TLOCreator), which opens its property dialog first, waits for the drag
// that sizes it, or is placed at once; an added object is one "追加" step, selected.
// Clipboard pastes are left to the paste designer.
#include "editing/designers/designer_list.h"

#include <memory>

class TDrawObject;

class TDOCreatorDesigner : public TDODesigner {
public:
    // CreateOnSite: false when the name makes no object or its dialog was cancelled.
    bool CreateObject(TEditSite& site, const QString& className) override;
};

// Puts a new object onto the site: its dialog first when asked (a cancelled dialog frees
// it: false), then either armed for the creation drag, or fitted and centred when it can
// be selected, recorded as "追加" and selected.
bool InsertNewObject(TEditSite& site, std::unique_ptr<TDrawObject> object, bool withDialog, bool withDrag);

void RegisterCreatorDesigner(TDODesignerList& designers);
