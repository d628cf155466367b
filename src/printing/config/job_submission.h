#pragma once
// Hands a finished document to the configuration's queue. Every option is checked against
// the printer description first: a job with an option the driver would ignore or replace
// never exists.
#include <QString>

class TPrinterConfiguration;

// Submits the PDF file with the current options (the page is drawn at the page size, so
// the queue must not scale it) and returns the job id. Raises EAppError, with nothing
// sent, when an option does not fit the queue, and when the queue refuses the job.
int SubmitDocument(const TPrinterConfiguration& configuration, const QString& title, const QString& pdfPath,
                   int copies = 1);
