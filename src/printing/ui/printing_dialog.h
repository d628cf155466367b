#pragma once
// TfrmPrinting: the modal window shown while a document prints: a note, a progress bar
// over the faces to print, and a cancel button that makes the running job stop at its
// next check.
#include "printing/pipeline/print_progress.h"

#include <QDialog>

class QProgressBar;
class QPushButton;

class TfrmPrinting : public QDialog, public IPrintProgress {
    Q_OBJECT
public:
    explicit TfrmPrinting(QWidget* parent = nullptr);

    void Start(int steps) override;
    void Step() override;
    void KeepAlive() override;
    bool Cancelled() const override { return cancelled_; }

    QProgressBar* Progress() const { return progress_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Closing the window cancels the job, as the button does.
    void reject() override;

private:
    bool cancelled_ = false;
    QProgressBar* progress_;
    QPushButton* cancel_;
};
