#include "catalogue/product/product_db.h"

#include "core/error.h"
#include "core/frame/macro_string.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/storage_modes.h"
#include "core/storage/temporary_storage.h"
#include "core/stream/component_stream.h"

#include <QFileInfo>

namespace {

const QString kNameListPath = QStringLiteral("Infos\\NameList");
const QString kResourceName = QStringLiteral("ProductInfo");
// Entries before the first product: Japanese creator, English creator, three reserved.
constexpr int kFirstProduct = 5;
constexpr int kJapaneseCreator = 0;
constexpr int kEnglishCreator = 1;

TProductDB* globalDatabase = nullptr;

} // namespace

TProductDB::TProductDB(const QString& fileName) : fileName_(fileName)
{
}

TProductDB::~TProductDB() = default;

void TProductDB::Load()
{
    fileName_ = Expand(fileName_);
    auto storage = std::make_unique<TTemporaryStorage>();
    const bool exists = QFileInfo(fileName_).isFile();
    if (exists)
        storage->LoadFrom(fileName_);
    auto names = std::make_unique<TDocNameList>(*storage, kNameListPath);
    names_.reset();
    storage_ = std::move(storage);
    names_ = std::move(names);
    if (!exists) {
        for (int entry = 0; entry < kFirstProduct; ++entry) {
            names_->AddNewName();
            const std::unique_ptr<TProductInfo> record = entry == kJapaneseCreator || entry == kEnglishCreator
                                                            ? NewCreatorInfo()
                                                            : std::make_unique<TProductInfo>();
            WriteEntry(entry, *record);
        }
    }
    modified_ = false;
}

void TProductDB::Require() const
{
    if (!names_)
        throw EAppError(QStringLiteral("製品データベースが開かれていません"));
}

int TProductDB::ProductCount() const
{
    return names_ ? std::max(0, names_->Count() - kFirstProduct) : 0;
}

void TProductDB::ReadEntry(int entry, TProductInfo& record) const
{
    Require();
    if (entry < 0 || entry >= names_->Count())
        throw EAppError(QStringLiteral("製品情報 %1 がありません").arg(entry));
    const std::unique_ptr<TDocStream> stream = names_->OpenStream(entry, fmOpenRead);
    ReadComponentRes(*stream, record);
}

void TProductDB::WriteEntry(int entry, const TProductInfo& record)
{
    const std::unique_ptr<TDocStream> stream = names_->OpenStream(entry, fmCreate);
    WriteComponentRes(*stream, kResourceName, record);
}

void TProductDB::GetProduct(int index, TProductInfo& record) const
{
    if (index < 0 || index >= ProductCount())
        throw EAppError(QStringLiteral("製品情報 %1 がありません").arg(index));
    ReadEntry(index + kFirstProduct, record);
}

void TProductDB::GetCreatorJapanese(TProductInfo& record) const
{
    ReadEntry(kJapaneseCreator, record);
}

void TProductDB::GetCreatorEnglish(TProductInfo& record) const
{
    ReadEntry(kEnglishCreator, record);
}

int TProductDB::IndexOf(const TProductInfo& record) const
{
    Require();
    for (int entry = 0; entry < names_->Count(); ++entry) {
        TProductInfo stored;
        ReadEntry(entry, stored);
        if (stored.Guid() == record.Guid())
            return entry;
    }
    return -1;
}

int TProductDB::ProductIndex(const TProductInfo& record) const
{
    const int entry = IndexOf(record);
    return entry >= kFirstProduct ? entry - kFirstProduct : -1;
}

void TProductDB::Save(const TProductInfo& record)
{
    Require();
    int entry = IndexOf(record);
    if (entry < 0) {
        names_->AddNewName();
        entry = names_->Count() - 1;
    }
    WriteEntry(entry, record);
    modified_ = true;
}

void TProductDB::Delete(const TProductInfo& record)
{
    Require();
    const int entry = IndexOf(record);
    if (entry < 0)
        return;
    names_->DeleteEntry(entry);
    modified_ = true;
}

void TProductDB::WriteBack(const QString& fileName)
{
    if (modified_)
        SaveTo(fileName.isEmpty() ? fileName_ : fileName);
}

void TProductDB::SaveTo(const QString& fileName)
{
    Require();
    storage_->SaveTo(fileName);
    modified_ = false;
}

TProductDB* ProductDatabase()
{
    return globalDatabase;
}

void SetProductDatabase(TProductDB* database)
{
    globalDatabase = database;
}
