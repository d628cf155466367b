#include "music/ui/csv_export_dialog.h"

#include "core/messages.h"
#include "music/album/albums.h"
#include "music/csv/album_csv_file.h"
#include "music/ui/csv_progress.h"
#include "editing/ui/dialog_buttons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// Kept for the program's lifetime.
struct TRemembered {
    QString FileName;
    std::array<bool, cfFieldCount> Checked{true, true, true, true, true};
    bool HeaderRow = true;
    bool AlbumRow = true;
    bool AllAlbums = false;
    bool Utf8 = false;
};
TRemembered remembered;

} // namespace

TfrmAlbumExportCSV::TfrmAlbumExportCSV(const TAlbums& albums, int current, QWidget* parent)
    : QDialog(parent),
      albums_(albums),
      current_(current),
      fields_(new QListWidget(this)),
      header_(new QCheckBox(QStringLiteral("1レコード目に項目名を付ける(&I)"), this)),
      albumRow_(new QCheckBox(QStringLiteral("アルバムタイトルを出力する(&T)"), this)),
      all_(new QCheckBox(QStringLiteral("すべてのアルバムを出力する(&A)"), this)),
      utf8_(new QCheckBox(QStringLiteral("UTF-8で出力する(&U)"), this)),
      file_(new QLineEdit(remembered.FileName, this)),
      preview_(new QPlainTextEdit(this)),
      pages_(new QScrollBar(Qt::Horizontal, this)),
      position_(new QLabel(this)),
      up_(new QPushButton(QStringLiteral("▲"), this)),
      down_(new QPushButton(QStringLiteral("▼"), this))
{
    setWindowTitle(QStringLiteral("CSVファイルへのエクスポート"));
    for (int field = 0; field < cfFieldCount; ++field) {
        auto* item = new QListWidgetItem(AlbumCsvExportNames()[field], fields_);
        item->setData(Qt::UserRole, field);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(remembered.Checked[static_cast<std::size_t>(field)] ? Qt::Checked : Qt::Unchecked);
    }
    header_->setChecked(remembered.HeaderRow);
    albumRow_->setChecked(remembered.AlbumRow);
    all_->setChecked(remembered.AllAlbums);
    utf8_->setChecked(remembered.Utf8);
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    pages_->setRange(0, albums.Count() - 1);
    pages_->setValue(current);
    auto* browse = new QPushButton(QStringLiteral("参照(&R)..."), this);
    auto* buttons = OkCancelButtons(*this);
    ok_ = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("出力する項目(&F)"), this), 0, 0);
    layout->addWidget(fields_, 1, 0, 3, 1);
    layout->addWidget(up_, 1, 1);
    layout->addWidget(down_, 2, 1);
    auto* options = new QVBoxLayout;
    for (QWidget* box : std::initializer_list<QWidget*>{header_, albumRow_, all_, utf8_})
        options->addWidget(box);
    layout->addLayout(options, 1, 2, 3, 1);
    layout->addWidget(new QLabel(QStringLiteral("出力先のファイル(&D)"), this), 4, 0);
    layout->addWidget(file_, 5, 0, 1, 2);
    layout->addWidget(browse, 5, 2);
    layout->addWidget(new QLabel(QStringLiteral("出力イメージ(&S)"), this), 6, 0);
    layout->addWidget(preview_, 7, 0, 1, 3);
    layout->addWidget(pages_, 8, 0, 1, 2);
    layout->addWidget(position_, 8, 2);
    layout->addWidget(buttons, 9, 0, 1, 3);

    connect(fields_, &QListWidget::itemChanged, this, &TfrmAlbumExportCSV::Refresh);
    connect(fields_, &QListWidget::currentRowChanged, this, &TfrmAlbumExportCSV::Refresh);
    connect(up_, &QPushButton::clicked, this, [this] { MoveField(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveField(1); });
    for (QCheckBox* box : {header_, albumRow_, utf8_})
        connect(box, &QCheckBox::toggled, this, &TfrmAlbumExportCSV::Refresh);
    connect(all_, &QCheckBox::toggled, this, [this](bool all) {
        if (!all)
            pages_->setValue(current_);
        Refresh();
    });
    connect(pages_, &QScrollBar::valueChanged, this, &TfrmAlbumExportCSV::Refresh);
    connect(file_, &QLineEdit::textChanged, this, &TfrmAlbumExportCSV::Refresh);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("CSV出力先ファイルの選択"), file_->text(),
                                                          QStringLiteral("CSVファイル(*.csv) (*.csv);;すべてのファイル(*.*) (*)"));
        if (!file.isEmpty())
            file_->setText(QFileInfo(file).suffix().isEmpty() ? file + QStringLiteral(".csv") : file);
    });
    Refresh();
}

TAlbumCsvExportOptions TfrmAlbumExportCSV::Options() const
{
    TAlbumCsvExportOptions options;
    options.Order.clear();
    for (int row = 0; row < fields_->count(); ++row) {
        const QListWidgetItem* item = fields_->item(row);
        const int field = item->data(Qt::UserRole).toInt();
        options.Order.push_back(field);
        options.Checked[static_cast<std::size_t>(field)] = item->checkState() == Qt::Checked;
    }
    options.HeaderRow = header_->isChecked();
    options.AlbumRow = albumRow_->isChecked();
    options.AllAlbums = all_->isChecked();
    options.Utf8 = utf8_->isChecked();
    return options;
}

void TfrmAlbumExportCSV::MoveField(int delta)
{
    const int row = fields_->currentRow();
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= fields_->count())
        return;
    QListWidgetItem* item = fields_->takeItem(row);
    fields_->insertItem(target, item);
    fields_->setCurrentRow(target);
    Refresh();
}

void TfrmAlbumExportCSV::Refresh()
{
    const TAlbumCsvExportOptions options = Options();
    pages_->setEnabled(options.AllAlbums);
    const int shown = pages_->value();
    position_->setText(QStringLiteral("%1/%2").arg(shown + 1).arg(albums_.Count()));
    preview_->setPlainText(AlbumCsvRows(albums_.Album(shown), options).join(QLatin1Char('\n')));
    const int row = fields_->currentRow();
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < fields_->count());
    const bool anyChecked = std::any_of(options.Checked.begin(), options.Checked.end(), [](bool checked) { return checked; });
    ok_->setEnabled(!file_->text().isEmpty() && anyChecked);
}

void TfrmAlbumExportCSV::accept()
{
    const TAlbumCsvExportOptions options = Options();
    remembered = {file_->text(), options.Checked, options.HeaderRow, options.AlbumRow, options.AllAlbums, options.Utf8};
    TfrmCsvProgress progress(windowTitle(), options.AllAlbums ? albums_.Count() : 1, this);
    const int first = options.AllAlbums ? 0 : current_;
    const TCsvExportResult result =
        ExportAlbumsCsv(albums_, current_, options, file_->text(), [&](int index) { progress.Step(index - first); });
    progress.reset();
    switch (result) {
    case TCsvExportResult::CreateFailed:
        ShowInformation(QStringLiteral("ファイルの作成に失敗しました"));
        return;
    case TCsvExportResult::WriteFailed:
        ShowInformation(QStringLiteral("CSVファイルへ出力に失敗しました"));
        break;
    case TCsvExportResult::Written:
        ShowInformation(QStringLiteral("正常にCSVファイルへ出力しました"));
        break;
    }
    QDialog::accept();
}
