#pragma once
// The page and options of a print job for a paper: a PDF file takes the paper's size; a
// queue takes exactly the printer description's page size that the options choose (the
// description's custom size when none fits the paper). On a disc page the disc is centred
// on the page and the fine offset goes to the driver's own disc adjustment in whole
// points, within its range; the page takes only what is left.
#include "printing/pipeline/print_target.h"

class TPaperInfo;
class TPrinterConfiguration;

// fineOffset: left and top, logical units.
TPrintJobSetup FileJobSetup(const TPaperInfo& paper, QPoint fineOffset, int resolution = 254);
// Raises EAppError, with nothing printed, when the queue has no page size for the paper.
TPrintJobSetup QueueJobSetup(const TPrinterConfiguration& configuration, const TPaperInfo& paper, QPoint fineOffset);
// The printer canvas's resolution for a queue: its chosen "Resolution" (the larger of the
// two values), else 720 dots per inch.
int QueueResolution(const TPrinterConfiguration& configuration);
