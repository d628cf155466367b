#pragma once
// Data-driven text fields: text objects bound to an item of the document's product or
// creator information take that item's lines as their text.
#include "text/object/field_type.h"

#include <QStringList>
#include <initializer_list>
#include <vector>

class TDrawObject;
class TLOTextBase;
class TProductInfo;

// The three information records of a document, any of which may be missing.
struct TDataFieldRecords {
    const TProductInfo* Product = nullptr;
    const TProductInfo* CreatorJapanese = nullptr;
    const TProductInfo* CreatorEnglish = nullptr;

    const TProductInfo* Record(TFieldType type) const;
};

// A bound text and the lines it is to take.
struct TDataFieldFill {
    TLOTextBase* Text;
    QStringList Lines;
};

// Every text object of the list, members of groups included, whose FieldNo is not 0, whose
// FieldType is one of types and whose lines differ from item FieldNo of its record, with
// that item's lines. Texts whose record is missing or lacks that item are left out.
std::vector<TDataFieldFill> DataFieldFills(const std::vector<TDrawObject*>& objects, std::initializer_list<TFieldType> types,
                                           const TDataFieldRecords& records);
void ApplyDataFieldFills(const std::vector<TDataFieldFill>& fills);

// The fills of the list applied; returns the texts changed.
std::vector<TLOTextBase*> FillDataFields(const std::vector<TDrawObject*>& objects, std::initializer_list<TFieldType> types,
                                         const TDataFieldRecords& records);

// The field captions offered for binding a text object to a record: the record's own field
// names for the product and the Japanese creator, the fixed English names otherwise.
QStringList DataFieldNames(TFieldType type, const TDataFieldRecords& records);
