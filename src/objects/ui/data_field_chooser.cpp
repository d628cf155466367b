#include "objects/ui/data_field_chooser.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

TDataFieldChooser::TDataFieldChooser(const TDataFieldRecords& records, QWidget* parent)
    : QGroupBox(QStringLiteral("入力方法"), parent), records_(records)
{
    manual_ = new QRadioButton(QStringLiteral("手入力(&H)"), this);
    bound_ = new QRadioButton(QStringLiteral("クリエータ・プロダクト情報から(&P)"), this);
    type_ = new QComboBox(this);
    type_->addItems({QStringLiteral("プロダクト"), QStringLiteral("クリエーター"), QStringLiteral("クリエーター(英語)")});
    fields_ = new QListWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(manual_);
    layout->addWidget(bound_);
    layout->addWidget(type_);
    layout->addWidget(fields_);
    manual_->setChecked(true);
    // The type and the field count only for a bound text.
    for (QWidget* part : std::initializer_list<QWidget*>{type_, fields_}) {
        part->setEnabled(false);
        connect(bound_, &QRadioButton::toggled, part, &QWidget::setEnabled);
    }
    ShowFields();

    connect(bound_, &QRadioButton::toggled, this, &TDataFieldChooser::Chosen);
    connect(type_, &QComboBox::currentIndexChanged, this, [this] {
        ShowFields();
        Chosen();
    });
    connect(fields_, &QListWidget::currentRowChanged, this, &TDataFieldChooser::Chosen);
}

void TDataFieldChooser::SetBinding(int fieldNo, TFieldType type)
{
    showing_ = true;
    type_->setCurrentIndex(std::clamp(static_cast<int>(type), 0, type_->count() - 1));
    (fieldNo != 0 ? bound_ : manual_)->setChecked(true);
    fieldNo_ = fieldNo;
    ShowFields();
    showing_ = false;
}

TFieldType TDataFieldChooser::FieldType() const { return static_cast<TFieldType>(type_->currentIndex()); }

void TDataFieldChooser::ShowFields()
{
    const QSignalBlocker block(fields_);
    fields_->clear();
    fields_->addItems(DataFieldNames(FieldType(), records_));
    fields_->setCurrentRow(fieldNo_ >= 1 && fieldNo_ <= fields_->count() ? fieldNo_ - 1 : -1);
}

void TDataFieldChooser::Chosen()
{
    if (showing_)
        return;
    if (!bound_->isChecked())
        fieldNo_ = 0;
    else if (fields_->currentRow() >= 0)
        fieldNo_ = fields_->currentRow() + 1;
    else if (fields_->count() > 0 && fieldNo_ == 0) {
        const QSignalBlocker block(fields_);
        fields_->setCurrentRow(0);
        fieldNo_ = 1;
    }
    emit Changed();
}
