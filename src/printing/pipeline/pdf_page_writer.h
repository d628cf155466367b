#pragma once
// The pages of a job as a PDF document drawn by Qt's PDF writer onto a device, each page
// exactly the job's page size at the job's resolution, without margins.
#include <QPdfWriter>
#include <memory>

class QIODevice;
class TCanvas;
struct TPrintJobSetup;

class TPdfPageWriter {
public:
    TPdfPageWriter(QIODevice& device, const TPrintJobSetup& setup);
    ~TPdfPageWriter();
    TPdfPageWriter(const TPdfPageWriter&) = delete;
    TPdfPageWriter& operator=(const TPdfPageWriter&) = delete;

    void NewPage();
    TCanvas& Canvas() { return *canvas_; }
    int Resolution() const { return writer_.resolution(); }
    // Writes the document's end; false when the writer failed.
    bool Finish();

private:
    QPdfWriter writer_;
    std::unique_ptr<TCanvas> canvas_;
};
