#include "catalogue/product/product_info.h"
#include "catalogue/ui/product_info_dialog.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

TEST(ProductInfoDialog, EditsEveryFieldOfEveryPageAndWritesOnlyOnConfirmation)
{
    TProductInfo product;
    product.Item(0)->Info()->SetLines({QStringLiteral("題名")});
    std::unique_ptr<TProductInfo> english = NewCreatorInfo();
    const QUuid guid = product.Guid();
    {
        TfrmProductInfo dialog(QStringLiteral("編集"), {{QStringLiteral("A"), &product, {}},
                                                       {QStringLiteral("B"), english.get(), CreatorEnglishFieldNames()}});
        EXPECT_EQ(dialog.FieldList(0)->item(2)->text(), QStringLiteral("担当者"));
        EXPECT_EQ(dialog.FieldList(1)->item(7)->text(), QStringLiteral("HOME PAGE"));
        EXPECT_EQ(dialog.ValueField(0)->toPlainText(), QStringLiteral("題名"));
        // A field's text is kept when another field is shown.
        dialog.ValueField(0)->setPlainText(QStringLiteral("新しい題名\n副題"));
        dialog.FieldList(0)->setCurrentRow(4);
        dialog.ValueField(0)->setPlainText(QStringLiteral("1.0"));
        dialog.FieldList(1)->setCurrentRow(0);
        dialog.ValueField(1)->setPlainText(QStringLiteral("Lumarest Works"));
        // Closed without confirmation: nothing is written.
    }
    EXPECT_EQ(product.FieldText(1), QStringLiteral("題名"));

    TfrmProductInfo dialog(QStringLiteral("編集"), {{QStringLiteral("A"), &product, {}},
                                                   {QStringLiteral("B"), english.get(), CreatorEnglishFieldNames()}});
    dialog.ValueField(0)->setPlainText(QStringLiteral("新しい題名\n副題"));
    dialog.FieldList(0)->setCurrentRow(4);
    dialog.ValueField(0)->setPlainText(QStringLiteral("1.0"));
    dialog.ValueField(1)->setPlainText(QStringLiteral("Lumarest Works"));
    dialog.WriteBack();
    EXPECT_EQ(product.Item(0)->Info()->Lines(), (QStringList{QStringLiteral("新しい題名"), QStringLiteral("副題")}));
    EXPECT_EQ(product.FieldText(5), QStringLiteral("1.0"));
    EXPECT_EQ(product.Item(2)->FieldName(), QStringLiteral("担当者"));
    EXPECT_EQ(product.Guid(), guid); // still the same record
    EXPECT_EQ(english->FieldText(1), QStringLiteral("Lumarest Works"));
    EXPECT_EQ(english->Item(0)->FieldName(), QStringLiteral("会社名"));
}

} // namespace
