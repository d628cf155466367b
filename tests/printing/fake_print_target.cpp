#include "fake_print_target.h"

#include "core/canvas/memory_canvas.h"
#include "core/error.h"

#include <cmath>

void TFakePrintTarget::Begin(const TPrintJobSetup& setup)
{
    setup_ = setup;
    running_ = true;
    NewPage();
}

void TFakePrintTarget::NewPage()
{
    canvas_.reset();
    const QSize size(static_cast<int>(std::lround(setup_.PagePoints.width() * setup_.Resolution / 72.0)),
                     static_cast<int>(std::lround(setup_.PagePoints.height() * setup_.Resolution / 72.0)));
    pages_.push_back(CreateBitmap(size, QImage::Format_RGB32, setup_.Resolution));
    canvas_ = std::make_unique<TMemoryCanvas>(pages_.back(), setup_.Resolution);
    canvas_->SetPrinterCanvas(true);
}

TCanvas& TFakePrintTarget::Canvas()
{
    if (stopAfter_ >= 0 && ++canvasCalls_ >= stopAfter_)
        running_ = false;
    return *canvas_;
}

void TFakePrintTarget::End()
{
    canvas_.reset();
    running_ = false;
    if (failOnEnd_)
        throw EAppError(QStringLiteral("印刷データを送れません"));
    ended_ = true;
}

void TFakePrintTarget::Abort()
{
    canvas_.reset();
    running_ = false;
    aborted_ = true;
}
