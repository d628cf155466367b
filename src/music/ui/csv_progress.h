#pragma once
// "処理中です・・・": the progress window of a CSV export or import, over the albums or the
// lines done.
#include <QProgressDialog>

class TfrmCsvProgress : public QProgressDialog {
public:
    TfrmCsvProgress(const QString& caption, int count, QWidget* parent = nullptr);

    // Shows that item index is being processed.
    void Step(int index);
};
