#include "document/data_fields.h"

#include "catalogue/product/product_info.h"
#include "text/object/shade_text.h"

#include <gtest/gtest.h>

namespace {

TEST(DataFields, BoundTextsTakeTheirRecordsItemWhenTheirTypeIsAsked)
{
    TProductInfo product;
    product.Item(2)->Info()->SetLines({QStringLiteral("山田"), QStringLiteral("太郎")});
    std::unique_ptr<TProductInfo> creator = NewCreatorInfo();
    creator->Item(0)->Info()->SetLines({QStringLiteral("ルマレスト")});
    const TDataFieldRecords records{&product, creator.get(), nullptr};

    struct Case {
        int FieldNo;
        TFieldType Type;
        std::initializer_list<TFieldType> Asked;
        QStringList Expected;
    };
    const QStringList typed{QStringLiteral("手入力")};
    const Case cases[] = {
        {3, ftProduct, {ftProduct}, {QStringLiteral("山田"), QStringLiteral("太郎")}},
        {3, ftProduct, {ftCreatorJapanese, ftCreatorEnglish}, typed}, // type not asked
        {1, ftCreatorJapanese, {ftCreatorJapanese}, {QStringLiteral("ルマレスト")}},
        {0, ftProduct, {ftProduct}, typed},                    // ordinary text
        {11, ftProduct, {ftProduct}, typed},                   // the record has ten items
        {-2, ftProduct, {ftProduct}, typed},                   // from a crafted stream
        {1, ftCreatorEnglish, {ftCreatorEnglish}, typed},      // record missing
        {4, ftProduct, {ftProduct}, {}},                       // an empty item empties the text
    };
    for (const Case& c : cases) {
        TLOText text;
        text.Text()->SetLines(typed);
        text.SetFieldNo(c.FieldNo);
        text.SetFieldType(c.Type);
        const auto changed = FillDataFields({&text}, c.Asked, records);
        EXPECT_EQ(text.Text()->Lines(), c.Expected) << c.FieldNo << " " << c.Type;
        EXPECT_EQ(changed.size(), c.Expected == typed ? 0u : 1u) << c.FieldNo << " " << c.Type;
    }
}

TEST(DataFields, FieldNamesComeFromTheRecordOrTheFixedEnglishList)
{
    TProductInfo product;
    std::unique_ptr<TProductInfo> creator = NewCreatorInfo();
    const TDataFieldRecords records{&product, creator.get(), nullptr};
    EXPECT_EQ(DataFieldNames(ftProduct, records).value(2), QStringLiteral("担当者"));
    EXPECT_EQ(DataFieldNames(ftCreatorJapanese, records).size(), 11);
    const QStringList english = DataFieldNames(ftCreatorEnglish, records);
    ASSERT_EQ(english.size(), 11);
    EXPECT_EQ(english.front(), QStringLiteral("COMPANY"));
    EXPECT_EQ(english.back(), QStringLiteral("FREE ITEM3"));
    EXPECT_TRUE(DataFieldNames(ftProduct, {}).isEmpty());
}

} // namespace
