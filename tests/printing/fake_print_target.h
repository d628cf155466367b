#pragma once
// A print target for unit tests: every page is a white picture at the job's resolution,
// kept after the job ends; a job can be made to stop running after a number of pages'
// faces (as a spooler that cancels it would).
#include "core/canvas/memory_canvas.h"
#include "printing/pipeline/print_target.h"

#include <QImage>
#include <memory>
#include <vector>


class TFakePrintTarget : public IPrintTarget {
public:
    void Begin(const TPrintJobSetup& setup) override;
    void NewPage() override;
    TCanvas& Canvas() override;
    int Resolution() const override { return setup_.Resolution; }
    void End() override;
    void Abort() override;
    bool Running() const override { return running_; }

    // Stops the job as soon as the canvas has been asked for this many times.
    void StopAfterCanvasCalls(int calls) { stopAfter_ = calls; }
    void FailOnEnd(bool fail) { failOnEnd_ = fail; }

    const std::vector<QImage>& Pages() const { return pages_; }
    const TPrintJobSetup& Setup() const { return setup_; }
    bool Ended() const { return ended_; }
    bool Aborted() const { return aborted_; }

private:
    TPrintJobSetup setup_;
    std::vector<QImage> pages_;
    std::unique_ptr<TMemoryCanvas> canvas_;
    bool running_ = false;
    bool ended_ = false;
    bool aborted_ = false;
    bool failOnEnd_ = false;
    int stopAfter_ = -1;
    int canvasCalls_ = 0;
};
