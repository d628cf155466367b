#pragma once
// The designer's print command: the sheet print dialog for the document's paper, then the
// current sheet printed on the application's printer, set up for the paper, while the
// progress window shows.
class QWidget;
class TLabelData;
class TPapersV2;

// Failures are shown to the user; nothing half-made reaches the queue.
void RunPrintCommand(QWidget* parent, TLabelData& document, TPapersV2& papers);
