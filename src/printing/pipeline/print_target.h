#pragma once
// Where printed pages go: a printer queue, a PDF file, or a test's fake, all behind one
// interface. A job begins with its title, page and options, gets its pages one after the
// other, and either ends (the complete document is delivered, or an error is raised and
// nothing is left behind) or is aborted (nothing is delivered).
#include "printing/config/printer_options.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

class TCanvas;

struct TPrintJobSetup {
    QString Title;
    // The page as printed, in points (wider than high for a landscape paper).
    QSizeF PagePoints;
    // The printer canvas's resolution in dots per inch.
    int Resolution = 254;
    // The options the job carries (a file ignores them).
    TPrinterOptions Options;
    // Where the paper's top-left corner lies on the page, in logical units: the fine
    // offset on a sheet; on a disc page the shift that centres the disc, plus what of the
    // fine offset the driver's own adjustment could not take.
    QPointF PaperOffset;
    bool DiscPage = false;
};

class IPrintTarget {
public:
    virtual ~IPrintTarget() = default;

    // Starts the job with its first page. Raises EAppError when it cannot start.
    virtual void Begin(const TPrintJobSetup& setup) = 0;
    virtual void NewPage() = 0;
    // The canvas of the current page, in device pixels at Resolution().
    virtual TCanvas& Canvas() = 0;
    virtual int Resolution() const = 0;
    // Delivers the complete document. Raises EAppError when that fails; nothing is left
    // behind then.
    virtual void End() = 0;
    // Drops the job: nothing is delivered.
    virtual void Abort() = 0;
    // Between Begin and End or Abort.
    virtual bool Running() const = 0;
};
