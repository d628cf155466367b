#pragma once
// The print command's work once the user has chosen: the document's print time is
// recorded, and its current sheet is printed with the job title to a queue (with the
// queue's options for the paper) or into a PDF file.
#include <QString>

class IPrintProgress;
class IPrintTarget;
class TLabelData;
class TPrinterConfiguration;
struct TPrintSpec;

// Returns the queue's job id. Raises EAppError, with nothing left in the queue, when the
// job cannot be made, fails or is cancelled.
int PrintDocumentToQueue(TLabelData& document, TPrinterConfiguration& configuration, const TPrintSpec& spec,
                         IPrintProgress* progress = nullptr);
// Raises EAppError, leaving the file as it was, when the job fails or is cancelled.
void PrintDocumentToFile(TLabelData& document, const QString& path, const TPrintSpec& spec,
                         IPrintProgress* progress = nullptr);
