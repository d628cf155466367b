#pragma once
// The designer that makes objects from the clipboard's text or picture: the object class
// comes from the class registry by name ("TLOTextPaste" stands for the text class,
// "TLOImagePaste" and "TLOBitmapPaste" for the image class), takes the content through its
// paste interface and is placed, selected and recorded as an addition.
#include "editing/designers/designer_list.h"

class TDOPasteDesigner : public TDODesigner {
public:
    bool CreateObject(TEditSite& site, const QString& className) override;
};
