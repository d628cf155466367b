#pragma once
// Printing the current sheet of a document: every copy is a page; on it each chosen face
// that has objects (or printed pattern, when that is printed) is rendered through the
// print site and a band page, then the outlines and cut lines of the printed faces are
// drawn. The job ends only when every page is complete; a failure, a cancel or a job that
// stopped running aborts it, so that nothing half-made is delivered, and is reported.
#include <QString>

class IPrintProgress;
class IPrintTarget;
class TLabelData;
class TPaperInfo;
struct TPrintJobSetup;
struct TPrintSpec;

// Raises EAppError when the job fails or is cancelled (the target is aborted then).
void PrintSheets(TLabelData& document, const TPaperInfo& paper, const TPrintSpec& spec, IPrintTarget& target,
                 const TPrintJobSetup& setup, IPrintProgress* progress = nullptr);

// The job title: "$(PrintTitleFormat)" expanded ("%s" without the application's macros) with
// the document's name for %s.
QString PrintJobTitle(const TLabelData& document);
