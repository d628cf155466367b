#pragma once
// The designer that opens the date dialog on a double-click and when a date object is
// created, and writes its result back as one undoable change "設定変更".
class QWidget;
class TDODesignerList;
class TLODate;
struct TPatternFiles;

// Opens the dialog on the date (shown as new when isNew); on OK writes it back (one
// "設定変更" on an editing site) and returns true; on Cancel leaves the date as it was
// and returns false.
bool EditDate(TLODate& date, bool isNew, const TPatternFiles& patterns, QWidget* parent = nullptr);

// Registers TDODateEditor for date objects, with the shipped distortion patterns.
void RegisterDateDesigner(TDODesignerList& designers);
