#pragma once
// Product and creator information: named fields (title, version, company, address, ...)
// that text objects can be bound to. A record is recognised by its GUID.
#include "core/persistent/collection.h"
#include "core/persistent/component.h"
#include "core/persistent/string_list.h"

#include <QUuid>
#include <memory>

class TProductItem : public TCollectionItem {
    LR_CLASS(TProductItem, TCollectionItem)
public:
    TProductItem();
    ~TProductItem() override;

    // The field's text, possibly several lines.
    TStringList* Info() { return info_.get(); }
    const TStringList* Info() const { return info_.get(); }
    // The field's caption.
    QString FieldName() const { return fieldName_; }
    void SetFieldName(const QString& name) { fieldName_ = name; }

    void Assign(const TPersistent& source) override;

private:
    std::unique_ptr<TStringList> info_;
    QString fieldName_;
};

class TProductInfo : public TComponent {
    LR_CLASS(TProductInfo, TComponent)
public:
    // A new record: a fresh GUID and the ten product fields.
    TProductInfo();
    ~TProductInfo() override;

    TCollection* Items() { return items_.get(); }
    const TCollection* Items() const { return items_.get(); }
    int Count() const { return items_->Count(); }
    TProductItem* Item(int index) const { return items_->ItemAs<TProductItem>(index); }
    const QUuid& Guid() const { return guid_; }
    void SetGuid(const QUuid& guid) { guid_ = guid; }

    // Copies the items and the GUID.
    void Assign(const TPersistent& source) override;
    // The GUID is streamed as the 16-byte binary property "GUID".
    void DefineProperties(TFiler& filer) override;

    // Fills empty field names, in order, with the given captions (adding items as needed).
    void SetDefaultFieldNames(const QStringList& names);

    // The text of field fieldNo (1-based), or an empty text for 0 or a field it lacks.
    QString FieldText(int fieldNo) const;

private:
    std::unique_ptr<TCollection> items_;
    QUuid guid_;
};

// The captions of the fields of a product record and of a creator record.
const QStringList& ProductFieldNames();
const QStringList& CreatorFieldNames();
// The names under which the English creator record's eleven fields are offered.
const QStringList& CreatorEnglishFieldNames();

// A new creator record: a fresh GUID and the eleven creator fields.
std::unique_ptr<TProductInfo> NewCreatorInfo();
