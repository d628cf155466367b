#include "catalogue/product/product_info.h"

#include "core/persistent/guid_bytes.h"
#include "core/stream/reader.h"

LR_DEFINE_CLASS(TProductItem, TCollectionItem, LR_CREATABLE(TProductItem),
    prop::Object("Info", &Self::Info, &Self::Info),
    prop::String("FieldName", &Self::FieldName, &Self::SetFieldName))

LR_DEFINE_CLASS(TProductInfo, TComponent, LR_CREATABLE(TProductInfo),
    prop::Object("Items", &Self::Items, &Self::Items, TPropKind::Collection))

const QStringList& ProductFieldNames()
{
    static const QStringList names{
        QStringLiteral("メインタイトル"), QStringLiteral("サブタイトル"), QStringLiteral("担当者"),
        QStringLiteral("コピーライト"),   QStringLiteral("バージョン"),   QStringLiteral("日付"),
        QStringLiteral("自由項目1"),      QStringLiteral("自由項目2"),    QStringLiteral("自由項目3"),
        QStringLiteral("自由項目4"),
    };
    return names;
}

const QStringList& CreatorEnglishFieldNames()
{
    static const QStringList names{
        QStringLiteral("COMPANY"),  QStringLiteral("SECTION"),    QStringLiteral("TEL"),       QStringLiteral("FAX"),
        QStringLiteral("ZIP"),      QStringLiteral("ADDRESS1"),   QStringLiteral("ADDRESS2"),  QStringLiteral("HOME PAGE"),
        QStringLiteral("FREE ITEM1"), QStringLiteral("FREE ITEM2"), QStringLiteral("FREE ITEM3"),
    };
    return names;
}

const QStringList& CreatorFieldNames()
{
    static const QStringList names{
        QStringLiteral("会社名"), QStringLiteral("部署名"), QStringLiteral("TEL"),
        QStringLiteral("FAX"),    QStringLiteral("郵便番号"), QStringLiteral("住所1"),
        QStringLiteral("住所2"),  QStringLiteral("ホームページ"), QStringLiteral("自由項目1"),
        QStringLiteral("自由項目2"), QStringLiteral("自由項目3"),
    };
    return names;
}

TProductItem::TProductItem() : info_(std::make_unique<TStringList>())
{
}

TProductItem::~TProductItem() = default;

void TProductItem::Assign(const TPersistent& source)
{
    if (const auto* item = dynamic_cast<const TProductItem*>(&source)) {
        info_->Assign(*item->info_);
        fieldName_ = item->fieldName_;
        return;
    }
    TCollectionItem::Assign(source);
}

TProductInfo::TProductInfo()
    : items_(std::make_unique<TCollection>(TProductItem::StaticClassInfo(), this)), guid_(QUuid::createUuid())
{
    SetDefaultFieldNames(ProductFieldNames());
}

TProductInfo::~TProductInfo() = default;

void TProductInfo::SetDefaultFieldNames(const QStringList& names)
{
    while (items_->Count() < names.size())
        items_->Add();
    for (int i = 0; i < names.size(); ++i)
        if (Item(i)->FieldName().isEmpty())
            Item(i)->SetFieldName(names[i]);
}

void TProductInfo::Assign(const TPersistent& source)
{
    if (const auto* info = dynamic_cast<const TProductInfo*>(&source)) {
        items_->Assign(*info->items_);
        guid_ = info->guid_;
        return;
    }
    TComponent::Assign(source);
}

void TProductInfo::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        "GUID",
        [this](const QByteArray& data) {
            if (data.size() != kGuidSize)
                TReader::FailInvalidValue();
            guid_ = GuidFromBytes(data.constData());
        },
        [this] { return GuidBytes(guid_); }, true);
}

QString TProductInfo::FieldText(int fieldNo) const
{
    if (fieldNo < 1 || fieldNo > Count())
        return {};
    return Item(fieldNo - 1)->Info()->Lines().join(QStringLiteral("\r\n"));
}

std::unique_ptr<TProductInfo> NewCreatorInfo()
{
    auto info = std::make_unique<TProductInfo>();
    info->Items()->Clear();
    info->SetDefaultFieldNames(CreatorFieldNames());
    return info;
}
