#include "document/data_fields.h"

#include "catalogue/product/product_info.h"
#include "core/model/object_walk.h"
#include "text/object/text_object.h"

#include <algorithm>

const TProductInfo* TDataFieldRecords::Record(TFieldType type) const
{
    switch (type) {
    case ftProduct:
        return Product;
    case ftCreatorJapanese:
        return CreatorJapanese;
    case ftCreatorEnglish:
        return CreatorEnglish;
    }
    return nullptr;
}

std::vector<TDataFieldFill> DataFieldFills(const std::vector<TDrawObject*>& objects, std::initializer_list<TFieldType> types,
                                           const TDataFieldRecords& records)
{
    std::vector<TDataFieldFill> fills;
    ForEachObjectDeep(objects, [&](TDrawObject& object) {
        auto* text = dynamic_cast<TLOTextBase*>(&object);
        if (!text || text->FieldNo() == 0 || std::find(types.begin(), types.end(), text->FieldType()) == types.end())
            return;
        const TProductInfo* record = records.Record(text->FieldType());
        if (!record || text->FieldNo() < 1 || text->FieldNo() > record->Count())
            return;
        const QStringList& lines = record->Item(text->FieldNo() - 1)->Info()->Lines();
        if (text->Text()->Lines() != lines)
            fills.push_back({text, lines});
    });
    return fills;
}

void ApplyDataFieldFills(const std::vector<TDataFieldFill>& fills)
{
    for (const TDataFieldFill& fill : fills)
        fill.Text->Text()->SetLines(fill.Lines);
}

std::vector<TLOTextBase*> FillDataFields(const std::vector<TDrawObject*>& objects, std::initializer_list<TFieldType> types,
                                         const TDataFieldRecords& records)
{
    const std::vector<TDataFieldFill> fills = DataFieldFills(objects, types, records);
    ApplyDataFieldFills(fills);
    std::vector<TLOTextBase*> changed;
    for (const TDataFieldFill& fill : fills)
        changed.push_back(fill.Text);
    return changed;
}

QStringList DataFieldNames(TFieldType type, const TDataFieldRecords& records)
{
    if (type == ftCreatorEnglish)
        return CreatorEnglishFieldNames();
    QStringList names;
    if (const TProductInfo* record = records.Record(type))
        for (int i = 0; i < record->Count(); ++i)
            names << record->Item(i)->FieldName();
    return names;
}
