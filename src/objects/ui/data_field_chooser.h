#pragma once
// How a text object gets its text: typed by hand, or bound to an item of the document's
// product or creator information (filled in whenever that information is applied).
#include "document/data_fields.h"

#include <QGroupBox>

class QComboBox;
class QListWidget;
class QRadioButton;

class TDataFieldChooser : public QGroupBox {
    Q_OBJECT
public:
    TDataFieldChooser(const TDataFieldRecords& records, QWidget* parent = nullptr);

    // Shows a binding; a field number the record does not list is kept until another is chosen.
    void SetBinding(int fieldNo, TFieldType type);
    int FieldNo() const { return fieldNo_; }
    TFieldType FieldType() const;

    QRadioButton* ManualField() const { return manual_; }
    QRadioButton* BoundField() const { return bound_; }
    QComboBox* TypeField() const { return type_; }
    QListWidget* FieldList() const { return fields_; }

signals:
    void Changed();

private:
    void ShowFields();
    void Chosen();

    TDataFieldRecords records_;
    QRadioButton* manual_;
    QRadioButton* bound_;
    QComboBox* type_;
    QListWidget* fields_;
    int fieldNo_ = 0;
    bool showing_ = false;
};
