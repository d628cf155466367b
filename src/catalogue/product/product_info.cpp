#include "catalogue/product/product_info.h"

#include "core/stream/reader.h"

LR_DEFINE_CLASS(TProductItem, TCollectionItem, LR_CREATABLE(TProductItem),
    prop::Object("Info", &Self::Info, &Self::Info),
    prop::String("FieldName", &Self::FieldName, &Self::SetFieldName))

LR_DEFINE_CLASS(TProductInfo, TComponent, LR_CREATABLE(TProductInfo),
    prop::Object("Items", &Self::Items, &Self::Items, TPropKind::Collection))

namespace {

constexpr int kGuidSize = 16;

// A GUID as it is stored: the first three fields little-endian, then the eight bytes.
QByteArray GuidBytes(const QUuid& guid)
{
    QByteArray bytes(kGuidSize, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(guid.data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) {
        bytes[4 + i] = static_cast<char>(guid.data2 >> (8 * i));
        bytes[6 + i] = static_cast<char>(guid.data3 >> (8 * i));
    }
    for (int i = 0; i < 8; ++i)
        bytes[8 + i] = static_cast<char>(guid.data4[i]);
    return bytes;
}

QUuid GuidFromBytes(const QByteArray& bytes)
{
    const auto byte = [&](int i) { return static_cast<std::uint8_t>(bytes[i]); };
    return QUuid(byte(0) | byte(1) << 8 | byte(2) << 16 | static_cast<std::uint32_t>(byte(3)) << 24,
                 static_cast<std::uint16_t>(byte(4) | byte(5) << 8), static_cast<std::uint16_t>(byte(6) | byte(7) << 8),
                 byte(8), byte(9), byte(10), byte(11), byte(12), byte(13), byte(14), byte(15));
}

} // namespace

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
            guid_ = GuidFromBytes(data);
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
