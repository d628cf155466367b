#include "music/ui/input_replace_dialog.h"

#include "editing/ui/dialog_buttons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString rememberedSearch;
QString rememberedReplacement;
bool rememberedStrict = false;

} // namespace

TfrmInputReplace::TfrmInputReplace(const QStringList& lines, QWidget* parent)
    : QDialog(parent),
      search_(new QLineEdit(rememberedSearch, this)),
      replacement_(new QLineEdit(rememberedReplacement, this)),
      strict_(new QCheckBox(QStringLiteral("厳密に比較する"), this)),
      list_(new QTableWidget(this)),
      commands_(new QGridLayout)
{
    setWindowTitle(QStringLiteral("入力項目の置換"));
    replace_.SetLines(lines);
    strict_->setChecked(rememberedStrict);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->hide();
    list_->verticalHeader()->hide();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("検索する文字列"), search_);
    form->addRow(QStringLiteral("置換後の文字列"), replacement_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(strict_);
    layout->addLayout(commands_);
    layout->addWidget(list_);
    layout->addWidget(OkCancelButtons(*this));
    replaceButton_ = AddCommand(QStringLiteral("置換実行"), [this] {
        replace_.ReplaceAll(search_->text(), replacement_->text(), strict_->isChecked());
    });
    undoButton_ = AddCommand(QStringLiteral("やり直し"), [this] { replace_.Undo(); });
    AddCommand(QStringLiteral("すべて全角に"), [this] { replace_.ToFullWidth(); });
    AddCommand(QStringLiteral("すべて半角に"), [this] { replace_.ToHalfWidth(); });
    AddCommand(QStringLiteral("すべて大文字"), [this] { replace_.ToUpper(); });
    AddCommand(QStringLiteral("すべて小文字"), [this] { replace_.ToLower(); });
    connect(search_, &QLineEdit::textChanged, this, &TfrmInputReplace::Refresh);
    Refresh();
}

QPushButton* TfrmInputReplace::AddCommand(const QString& caption, const std::function<void()>& command)
{
    auto* button = new QPushButton(caption, this);
    const int index = commands_->count();
    commands_->addWidget(button, index / 3, index % 3);
    connect(button, &QPushButton::clicked, this, [this, command] {
        command();
        Refresh();
    });
    return button;
}

void TfrmInputReplace::Refresh()
{
    const QStringList& lines = replace_.Lines();
    list_->clear();
    list_->setRowCount(static_cast<int>(lines.size()));
    int columns = 0;
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList fields = lines[row].split(QLatin1Char('\t'));
        columns = std::max(columns, static_cast<int>(fields.size()));
        list_->setColumnCount(columns);
        for (int column = 0; column < fields.size(); ++column)
            list_->setItem(row, column, new QTableWidgetItem(fields[column]));
    }
    list_->resizeColumnsToContents();
    replaceButton_->setEnabled(!search_->text().isEmpty());
    undoButton_->setEnabled(replace_.CanUndo());
}

void TfrmInputReplace::done(int result)
{
    rememberedSearch = search_->text();
    rememberedReplacement = replacement_->text();
    rememberedStrict = strict_->isChecked();
    QDialog::done(result);
}
