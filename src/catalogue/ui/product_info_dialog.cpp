#include "catalogue/ui/product_info_dialog.h"

#include "catalogue/product/product_info.h"
#include "editing/ui/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

struct TfrmProductInfo::TPage {
    TProductInfo* Target = nullptr;
    TProductInfo Copy;
    QListWidget* Fields = nullptr;
    QPlainTextEdit* Value = nullptr;
    int Shown = -1;

    // The shown field's text goes back into the copy before another field is shown.
    void Show(int row)
    {
        if (Shown >= 0 && Shown < Copy.Count())
            Copy.Item(Shown)->Info()->SetLines(Value->toPlainText().split(QLatin1Char('\n')));
        Shown = row;
        Value->setEnabled(row >= 0 && row < Copy.Count());
        Value->setPlainText(Value->isEnabled() ? Copy.Item(row)->Info()->Lines().join(QLatin1Char('\n')) : QString());
    }
};

TfrmProductInfo::TfrmProductInfo(const QString& caption, const std::vector<TProductInfoPage>& pages, QWidget* parent)
    : QDialog(parent), pages_(new QTabWidget(this))
{
    setWindowTitle(caption);
    for (const TProductInfoPage& source : pages) {
        auto page = std::make_unique<TPage>();
        page->Target = source.Record;
        page->Copy.Assign(*source.Record);
        auto* widget = new QWidget(pages_);
        auto* row = new QHBoxLayout(widget);
        auto* left = new QVBoxLayout;
        auto* fieldsLabel = new QLabel(QStringLiteral("項目(&I)"), widget);
        page->Fields = new QListWidget(widget);
        fieldsLabel->setBuddy(page->Fields);
        left->addWidget(fieldsLabel);
        left->addWidget(page->Fields);
        auto* right = new QVBoxLayout;
        auto* valueLabel = new QLabel(QStringLiteral("内容(&V)"), widget);
        page->Value = new QPlainTextEdit(widget);
        page->Value->setTabChangesFocus(true);
        valueLabel->setBuddy(page->Value);
        right->addWidget(valueLabel);
        right->addWidget(page->Value);
        row->addLayout(left, 1);
        row->addLayout(right, 2);
        for (int i = 0; i < page->Copy.Count(); ++i)
            page->Fields->addItem(source.FieldNames.value(i, page->Copy.Item(i)->FieldName()));
        TPage* raw = page.get();
        connect(page->Fields, &QListWidget::currentRowChanged, this, [raw](int row) { raw->Show(row); });
        page->Fields->setCurrentRow(page->Copy.Count() > 0 ? 0 : -1);
        raw->Show(page->Fields->currentRow());
        pages_->addTab(widget, source.Caption);
        records_.push_back(std::move(page));
    }
    auto* buttons = OkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    resize(520, 360);
}

TfrmProductInfo::~TfrmProductInfo() = default;

void TfrmProductInfo::WriteBack() const
{
    for (const auto& page : records_) {
        page->Show(page->Shown);
        page->Target->Assign(page->Copy);
    }
}

QListWidget* TfrmProductInfo::FieldList(int page) const { return records_.at(static_cast<size_t>(page))->Fields; }
QPlainTextEdit* TfrmProductInfo::ValueField(int page) const { return records_.at(static_cast<size_t>(page))->Value; }
