#pragma once
// The designers that open the property dialogs of JAN barcodes and QR codes, and the
// edits they make: the dialog's values written back inside one undoable change.
class QWidget;
class TActionList;
class TDODesignerList;
class TLOJANCode;
class TLOQRStd;

// Each opens the dialog; on OK records one "設定変更" change in the list (when given) and
// returns true; on Cancel leaves the object as it was and returns false.
bool EditJANCode(TLOJANCode& code, bool isNew, TActionList* actions, QWidget* parent = nullptr);
bool EditQRCode(TLOQRStd& code, bool isNew, TActionList* actions, QWidget* parent = nullptr);

// Registers TDOJANCodeEditor and TDOQRCodeEditor, recording their changes in the list.
void RegisterCodeDesigners(TDODesignerList& designers, TActionList& actions);
