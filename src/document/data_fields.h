#pragma once
// Data-driven text fields: text objects bound to an item of the document's product or
// creator information take that item's lines as their text.
#include "text/object/text_object.h"

#include <initializer_list>
#include <vector>

class TDrawObject;
class TProductInfo;

// The three information records of a document, any of which may be missing.
struct TDataFieldRecords {
    const TProductInfo* Product = nullptr;
    const TProductInfo* CreatorJapanese = nullptr;
    const TProductInfo* CreatorEnglish = nullptr;

    const TProductInfo* Record(TFieldType type) const;
};

// Every text object of the list, members of groups included, whose FieldNo is not 0 and
// whose FieldType is one of types takes the lines of item FieldNo of its record. Objects
// whose record is missing or lacks that item keep their text. Returns the objects changed.
std::vector<TLOTextBase*> FillDataFields(const std::vector<TDrawObject*>& objects, std::initializer_list<TFieldType> types,
                                         const TDataFieldRecords& records);

// The field captions offered for binding a text object to a record: the record's own field
// names for the product and the Japanese creator, the fixed English names otherwise.
QStringList DataFieldNames(TFieldType type, const TDataFieldRecords& records);
