#pragma once
// The designer that opens the text dialog on a double-click and writes its result back as
// one undoable change "設定変更".
#include <functional>

class QWidget;
class TDODesignerList;
class TLOTextBase;
struct TDataFieldRecords;
struct TTextEditOptions;

// Opens the dialog on the text; on OK writes it back (one "設定変更" on an editing site) and
// returns true; on Cancel leaves the text as it was and returns false.
bool EditText(TLOTextBase& text, const TTextEditOptions& options, QWidget* parent = nullptr);

// Registers TDOTextEditor for the text objects (not for dates, whose lines come from their
// format). advancedMode, when given, tells whether the wizard settings show; records, when
// given, supplies the edited document's information for binding texts to its fields; the
// shipped pattern file and its thumbnail strip are used.
void RegisterTextDesigners(TDODesignerList& designers, bool (*advancedMode)() = nullptr,
                           std::function<TDataFieldRecords()> records = {});
