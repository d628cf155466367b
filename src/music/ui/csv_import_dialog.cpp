#include "music/ui/csv_import_dialog.h"

#include "core/messages.h"
#include "music/album/albums.h"
#include "music/csv/album_csv_file.h"
#include "music/ui/csv_progress.h"
#include "editing/ui/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

TfrmAlbumImportCSV::TfrmAlbumImportCSV(TAlbums& albums, QWidget* parent)
    : QDialog(parent),
      albums_(albums),
      file_(new QLineEdit(this)),
      source_(new QListWidget(this)),
      fields_(new QListWidget(this)),
      records_bar_(new QScrollBar(Qt::Horizontal, this)),
      position_(new QLabel(this)),
      tie_(new QPushButton(QStringLiteral("→"), this)),
      untie_(new QPushButton(QStringLiteral("←"), this))
{
    setWindowTitle(QStringLiteral("CSVファイルからのインポート"));
    file_->setReadOnly(true);
    auto* browse = new QPushButton(QStringLiteral("参照(&R)..."), this);
    auto* buttons = OkCancelButtons(*this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("入力元CSVファイル"), this), 0, 0);
    layout->addWidget(file_, 1, 0, 1, 2);
    layout->addWidget(browse, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("元ファイルの項目(&S)"), this), 2, 0);
    layout->addWidget(new QLabel(QStringLiteral("アルバム情報の項目(&A)"), this), 2, 2);
    layout->addWidget(source_, 3, 0, 2, 1);
    layout->addWidget(tie_, 3, 1);
    layout->addWidget(untie_, 4, 1);
    layout->addWidget(fields_, 3, 2, 2, 1);
    layout->addWidget(records_bar_, 5, 0, 1, 2);
    layout->addWidget(position_, 5, 2);
    layout->addWidget(buttons, 6, 0, 1, 3);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("入力元CSVファイルの選択"), file_->text(),
                                                          QStringLiteral("CSVファイル(*.csv) (*.csv);;すべてのファイル(*.*) (*)"));
        if (!file.isEmpty())
            LoadFile(file);
    });
    connect(tie_, &QPushButton::clicked, this, [this] { Tie(fields_->currentRow(), source_->currentRow()); });
    connect(untie_, &QPushButton::clicked, this, [this] { Tie(fields_->currentRow(), -1); });
    connect(records_bar_, &QScrollBar::valueChanged, this, &TfrmAlbumImportCSV::Refresh);
    connect(source_, &QListWidget::currentRowChanged, this, &TfrmAlbumImportCSV::Refresh);
    connect(fields_, &QListWidget::currentRowChanged, this, &TfrmAlbumImportCSV::Refresh);
    Refresh();
}

int TfrmAlbumImportCSV::Run()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("入力元CSVファイルの選択"), {},
                                                      QStringLiteral("CSVファイル(*.csv) (*.csv);;すべてのファイル(*.*) (*)"));
    if (!file.isEmpty())
        LoadFile(file);
    return exec();
}

void TfrmAlbumImportCSV::LoadFile(const QString& path)
{
    file_->setText(path);
    std::optional<std::vector<QStringList>> records = ReadCsvRecords(path);
    records_ = records ? std::move(*records) : std::vector<QStringList>{};
    if (!records)
        ShowInformation(QStringLiteral("ファイルの読み込みに失敗しました"));
    records_bar_->setValue(0);
    Refresh();
}

void TfrmAlbumImportCSV::Tie(int field, int column)
{
    if (field < 0 || field >= cfFieldCount)
        return;
    if (column >= 0 && std::find(mapping_.begin(), mapping_.end(), column) != mapping_.end())
        return;
    mapping_[static_cast<std::size_t>(field)] = column;
    Refresh();
}

void TfrmAlbumImportCSV::Refresh()
{
    const QSignalBlocker sourceBlock(source_);
    const QSignalBlocker fieldBlock(fields_);
    const QSignalBlocker barBlock(records_bar_);
    const int sourceRow = source_->currentRow();
    const int fieldRow = fields_->currentRow();
    records_bar_->setRange(0, std::max(0, static_cast<int>(records_.size()) - 1));
    const int shown = records_bar_->value();
    position_->setText(QStringLiteral("%1/%2").arg(records_.empty() ? 0 : shown + 1).arg(records_.size()));
    source_->clear();
    if (!records_.empty()) {
        const QStringList& columns = records_[static_cast<std::size_t>(shown)];
        for (int column = 0; column < columns.size(); ++column) {
            auto* item = new QListWidgetItem(QStringLiteral("%1：%2").arg(QStringLiteral("項目%1").arg(column + 1), columns[column]), source_);
            QFont font = item->font();
            font.setBold(std::find(mapping_.begin(), mapping_.end(), column) != mapping_.end());
            item->setFont(font);
        }
    }
    fields_->clear();
    for (int field = 0; field < cfFieldCount; ++field) {
        const int column = mapping_[static_cast<std::size_t>(field)];
        fields_->addItem(AlbumCsvImportFormats()[field].arg(column < 0 ? QString() : QStringLiteral("項目%1").arg(column + 1)));
    }
    source_->setCurrentRow(std::min(sourceRow, source_->count() - 1));
    fields_->setCurrentRow(fieldRow);
    const int column = source_->currentRow();
    const int field = fields_->currentRow();
    tie_->setEnabled(column >= 0 && field >= 0 && std::find(mapping_.begin(), mapping_.end(), column) == mapping_.end());
    untie_->setEnabled(field >= 0 && mapping_[static_cast<std::size_t>(field)] >= 0);
    const bool tied = std::any_of(mapping_.begin(), mapping_.end(), [](int c) { return c >= 0; });
    ok_->setEnabled(tied && !records_.empty());
}

void TfrmAlbumImportCSV::accept()
{
    bool imported = false;
    TfrmCsvProgress progress(windowTitle(), static_cast<int>(records_.size()), this);
    try {
        imported = ImportAlbumsCsv(albums_, records_, mapping_, [&](int index) { progress.Step(index); });
    } catch (const std::exception&) {
    }
    progress.reset();
    ShowInformation(imported ? QStringLiteral("正常にCSVファイルから入力しました") : QStringLiteral("CSVファイルからの入力に失敗しました"));
    QDialog::accept();
}
