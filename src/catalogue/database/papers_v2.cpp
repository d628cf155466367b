#include "catalogue/database/papers_v2.h"

#include "catalogue/database/stored_elements.h"
#include "catalogue/database/text_tables.h"
#include "core/storage/root_storage.h"

namespace {

const QString kUpdateStream = QStringLiteral("UpdateInfo\\UpdateInfo");
const QString kCompanyStream = QStringLiteral("CompanyList\\CompanyList");
const QString kGroupStream = QStringLiteral("GroupList\\GroupList");
const QString kGlobalInfoStorage = QStringLiteral("GlobalInfo");
const QString kGlobalInfo = kGlobalInfoStorage + QLatin1Char('\\');

} // namespace

TPapersV2::TPapersV2(const QString& fileName, bool workOnCopy, bool readOnly) : TPapers(fileName, workOnCopy, readOnly)
{
    // Missing records are created empty where the storage can take them; a read-only file
    // just goes without.
    const bool writable = !Storage().IsReadOnly();
    if (Storage().StreamExists(kUpdateStream))
        ReadStoredComponent(Storage(), kUpdateStream, update_);
    else if (writable)
        WriteStoredComponent(Storage(), kUpdateStream, update_);
    companies_ = ReadList(kCompanyStream);
    groups_ = ReadList(kGroupStream);
}

TPapersV2::~TPapersV2() = default;

QStringList TPapersV2::ReadList(const QString& path)
{
    if (Storage().StreamExists(path))
        return ReadStoredLines(Storage(), path);
    if (!Storage().IsReadOnly())
        WriteStoredLines(Storage(), path, {});
    return {};
}

void TPapersV2::AttachExtensionStores()
{
    AttachStore(std::make_unique<TExInfoBase>(Storage()));
    AttachStore(std::make_unique<TImageInfoBase>(Storage()));
}

void TPapersV2::AttachStore(std::unique_ptr<TExtraInfoBase> store)
{
    stores_.push_back(std::move(store));
}

TExtraInfoBase* TPapersV2::Store(const QString& storeName) const
{
    for (const auto& store : stores_)
        if (store->StorageName().compare(storeName, Qt::CaseInsensitive) == 0)
            return store.get();
    return nullptr;
}

std::unique_ptr<TExtraPaperInfo> TPapersV2::ExtraInfo(const QString& storeName, const QString& paperName)
{
    TExtraInfoBase* store = Store(storeName);
    return store ? store->Get(paperName) : nullptr;
}

void TPapersV2::SetExtraInfo(const QString& storeName, const TExtraPaperInfo& record)
{
    TExtraInfoBase* store = Store(storeName);
    if (!store || record.PaperName().isEmpty())
        return;
    store->Save(record);
    SetModified(true);
}

void TPapersV2::DeleteExtraInfo(const QString& storeName, const QString& paperName)
{
    if (TExtraInfoBase* store = Store(storeName)) {
        store->Delete(paperName);
        SetModified(true);
    }
}

void TPapersV2::PaperDeleted(const QString& paperName)
{
    for (const auto& store : stores_)
        store->Delete(paperName);
}

void TPapersV2::SetUpdateInfo(const TPaperUpdate& update)
{
    WriteStoredComponent(Storage(), kUpdateStream, update);
    update_.Assign(update);
    SetModified(true);
}

void TPapersV2::SetCompanyList(const QStringList& companies)
{
    if (companies == companies_)
        return;
    WriteStoredLines(Storage(), kCompanyStream, companies);
    companies_ = companies;
    SetModified(true);
}

void TPapersV2::SetGroupList(const QStringList& groups)
{
    if (groups == groups_)
        return;
    WriteStoredLines(Storage(), kGroupStream, groups);
    groups_ = groups;
    SetModified(true);
}

QStringList TPapersV2::GlobalText(const QString& name)
{
    const QString path = kGlobalInfo + name;
    return Storage().StreamExists(path) ? ReadStoredLines(Storage(), path) : QStringList();
}

void TPapersV2::SetGlobalText(const QString& name, const QStringList& lines)
{
    WriteStoredLines(Storage(), kGlobalInfo + name, lines);
    if (name == QLatin1String("GenreInfo"))
        genres_.reset();
    SetModified(true);
}

void TPapersV2::CopyGlobalInfo(TPapersV2& source)
{
    if (source.Storage().StorageExists(kGlobalInfoStorage)) {
        TDocStorage from(source.Storage(), false, kGlobalInfoStorage);
        TDocStorage to(Storage(), true, kGlobalInfoStorage);
        from.CopyTo(to);
    }
    genres_.reset();
    SetModified(true);
}

std::optional<QString> TPapersV2::GenreTab(const QString& group)
{
    if (!genres_ || genresPPRNo_ != update_.PPRNo()) {
        genres_ = GlobalText(QStringLiteral("GenreInfo"));
        genresPPRNo_ = update_.PPRNo();
    }
    return TableValue(*genres_, group);
}

bool TPapersV2::IsDirectPrintGroup(const QString& group)
{
    const std::optional<QString> tab = GenreTab(group);
    return tab && IsDirectPrintTab(*tab);
}

bool TPapersV2::IsDirectPrintPaper(const TPaperInfo& paper)
{
    return paper.ReadOnly() && IsDirectPrintGroup(paper.GroupName());
}
