#include "music/ui/csv_progress.h"

TfrmCsvProgress::TfrmCsvProgress(const QString& caption, int count, QWidget* parent)
    : QProgressDialog(QStringLiteral("処理中です・・・"), QString(), 0, std::max(count, 1), parent)
{
    setWindowTitle(caption);
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
}

void TfrmCsvProgress::Step(int index)
{
    setValue(index + 1);
}
