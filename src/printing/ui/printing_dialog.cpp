#include "printing/ui/printing_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TfrmPrinting::TfrmPrinting(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("印刷"));
    setModal(true);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("印刷中です。少しお待ちください．．．"), this));
    layout->addWidget(progress_);
    layout->addWidget(cancel_, 0, Qt::AlignCenter);
}

void TfrmPrinting::Start(int steps)
{
    progress_->setRange(0, std::max(steps, 1));
    progress_->setValue(0);
    KeepAlive();
}

void TfrmPrinting::Step()
{
    progress_->setValue(std::min(progress_->value() + 1, progress_->maximum()));
    KeepAlive();
}

void TfrmPrinting::KeepAlive()
{
    // The user's cancel arrives as input; only this window takes it while the job runs.
    QApplication::processEvents();
}

void TfrmPrinting::reject()
{
    cancelled_ = true;
}
