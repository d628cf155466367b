#pragma once
// The application's printer: the queue and options that printing uses. The program keeps
// this choice itself, in its settings ("PrinterName", "PrinterOptions"); until one is made
// the system's default queue with its description's defaults is used, and nothing is
// written back to CUPS.
#include "printing/config/printer_options.h"

#include <QString>
#include <optional>

struct TApplicationPrinter {
    QString Queue;
    std::optional<TPrinterOptions> Options; // nothing: the queue's defaults
};

// The current choice (an empty queue: none made yet), read from the settings on first use.
const TApplicationPrinter& ApplicationPrinter();
// Makes and stores the choice.
void SetApplicationPrinter(const TApplicationPrinter& printer);
