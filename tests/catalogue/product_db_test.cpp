#include "catalogue/product/product_db.h"
#include "core/stream/component_stream.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Title(const TProductInfo& record)
{
    return record.Item(0)->Info()->Lines().value(0);
}

} // namespace

TEST(ProductInfo, NewRecordsHaveTheirFieldsAndAFreshGuid)
{
    TProductInfo a, b;
    ASSERT_EQ(a.Count(), 10);
    EXPECT_EQ(a.Item(2)->FieldName(), QStringLiteral("担当者"));
    EXPECT_EQ(a.Item(9)->FieldName(), QStringLiteral("自由項目4"));
    EXPECT_NE(a.Guid(), b.Guid());
    const auto creator = NewCreatorInfo();
    ASSERT_EQ(creator->Count(), 11);
    EXPECT_EQ(creator->Item(7)->FieldName(), QStringLiteral("ホームページ"));
    b.Assign(a);
    EXPECT_EQ(b.Guid(), a.Guid());
}

TEST(ProductInfo, GuidIsStoredInItsWindowsByteOrder)
{
    TProductInfo record;
    record.SetGuid(QUuid(QStringLiteral("{00112233-4455-6677-8899-aabbccddeeff}")));
    const QByteArray bytes = ComponentResBytes(QStringLiteral("ProductInfo"), record);
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("0a10000000" "33221100" "5544" "7766" "8899aabbccddeeff")));
    TProductInfo copy;
    ReadComponentResBytes(bytes, copy);
    EXPECT_EQ(copy.Guid(), record.Guid());
}

TEST(ProductDB, MissingFileGivesFiveEntriesAndSavesInPlace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lumarest.cdb"));
    TProductDB database(path);
    database.Load();
    EXPECT_EQ(database.ProductCount(), 0);
    EXPECT_FALSE(database.Modified());
    TProductInfo creator;
    database.GetCreatorJapanese(creator);
    EXPECT_EQ(creator.Item(0)->FieldName(), QStringLiteral("会社名"));

    std::vector<std::unique_ptr<TProductInfo>> products;
    for (int i = 0; i < 5; ++i) {
        products.push_back(std::make_unique<TProductInfo>());
        products.back()->Item(0)->Info()->SetLines({QStringLiteral("製品%1").arg(i)});
        database.Save(*products.back());
    }
    EXPECT_EQ(database.ProductCount(), 5);
    EXPECT_TRUE(database.Modified());

    // A saved product is replaced where it stands.
    products[2]->Item(0)->Info()->SetLines({QStringLiteral("改訂版")});
    products[2]->Item(2)->Info()->SetLines({QStringLiteral("山田"), QStringLiteral("太郎")});
    database.Save(*products[2]);
    EXPECT_EQ(database.ProductCount(), 5);
    EXPECT_EQ(database.ProductIndex(*products[2]), 2);
    database.Delete(*products[4]);
    EXPECT_EQ(database.ProductCount(), 4);
    database.Delete(TProductInfo()); // not stored: nothing happens
    database.WriteBack();
    EXPECT_FALSE(database.Modified());

    TProductDB reopened(path);
    reopened.Load();
    ASSERT_EQ(reopened.ProductCount(), 4);
    TProductInfo third;
    reopened.GetProduct(2, third);
    EXPECT_EQ(Title(third), QStringLiteral("改訂版"));
    EXPECT_EQ(third.Guid(), products[2]->Guid());
    // A text bound to field 3 of the product shows the "担当者" field's lines.
    EXPECT_EQ(third.Item(2)->FieldName(), QStringLiteral("担当者"));
    EXPECT_EQ(third.FieldText(3), QStringLiteral("山田\r\n太郎"));
    EXPECT_EQ(third.FieldText(0), QString());
    EXPECT_EQ(third.FieldText(11), QString());
    EXPECT_EQ(reopened.IndexOf(*products[0]), 5);

    // The file is a compound file any reader lists.
    QByteArray listing;
    const QString script = QStringLiteral("import olefile,sys\nf=olefile.OleFileIO(sys.argv[1])\n"
                                          "print('\\n'.join('/'.join(e) for e in f.listdir()))");
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, path}, &listing), 0);
    EXPECT_TRUE(listing.contains("Infos/NameList"));
    EXPECT_TRUE(listing.contains("Infos/NameList7")); // names are never reused
    EXPECT_FALSE(listing.contains("Infos/NameList9"));
}
