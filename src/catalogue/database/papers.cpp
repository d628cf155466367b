#include "catalogue/database/papers.h"

#include "catalogue/database/element_names.h"
#include "catalogue/database/stored_elements.h"
#include "catalogue/paper/paper_limits.h"
#include "core/error.h"
#include "core/messages.h"
#include "core/storage/file_storage.h"
#include "core/storage/storage_modes.h"
#include "core/storage/temporary_storage.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

const QString kPapersStorage = QStringLiteral("Papers");
const QString kPurposeStream = QStringLiteral("PurposeList\\PurposeList");

std::unique_ptr<TRootStorage> OpenStorage(const QString& fileName, bool workOnCopy, bool readOnly)
{
    const bool exists = QFileInfo::exists(fileName);
    if (workOnCopy) {
        auto copy = std::make_unique<TTemporaryStorage>();
        if (exists)
            copy->LoadFrom(fileName);
        return copy;
    }
    if (readOnly)
        return std::make_unique<TFileStorage>(fileName, fmOpenRead | fmShareDenyWrite);
    return std::make_unique<TFileStorage>(fileName, exists ? fmOpenReadWrite | fmShareExclusive : fmCreate);
}

} // namespace

TPapers::TPapers(const QString& fileName, bool workOnCopy, bool readOnly)
    : fileName_(fileName), workOnCopy_(workOnCopy), readOnly_(readOnly),
      storage_(OpenStorage(fileName, workOnCopy, readOnly))
{
    LoadPurposeCatalogue();
    LoadPapers();
}

TPapers::~TPapers()
{
    try {
        Close();
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TPapers::Close()
{
    if (!storage_)
        return;
    papers_.reset();
    std::unique_ptr<TRootStorage> storage = std::move(storage_);
    if (readOnly_ || !modified_)
        return;
    if (workOnCopy_)
        static_cast<TTemporaryStorage&>(*storage).SaveTo(fileName_);
    else
        storage->Commit();
    modified_ = false;
}

TDocStorage& TPapers::PapersStorage(bool create)
{
    if (!papers_)
        papers_ = std::make_unique<TDocStorage>(*storage_, create, kPapersStorage);
    return *papers_;
}

void TPapers::LoadPurposeCatalogue()
{
    if (!storage_->StreamExists(kPurposeStream)) {
        purposes_->SetDefault();
        return;
    }
    TPLStreamer streamer;
    ReadStoredComponent(*storage_, kPurposeStream, streamer);
    purposes_->Assign(*streamer.List());
}

void TPapers::LoadPapers()
{
    if (!storage_->StorageExists(kPapersStorage))
        return;
    TDocStorage& papers = PapersStorage(false);
    QStringList names;
    papers.ListStreams(names);
    SortElementNames(names);
    for (const QString& name : names) {
        std::unique_ptr<TPaperInfo> paper = ReadStoredComponent<TPaperInfo>(papers, name);
        purposes_->Merge(*paper->PurposeList());
        CheckPurposeCount(purposes_->Count());
        entries_.push_back({name, std::move(paper)});
    }
    nextNumber_ = NextElementNumber(names);
}

void TPapers::WritePurposeCatalogue()
{
    TPLStreamer streamer;
    streamer.List()->Assign(*purposes_);
    WriteStoredComponent(*storage_, kPurposeStream, streamer);
    modified_ = true;
}

const TPaperInfo& TPapers::Paper(int index) const
{
    if (index < 0 || index >= Count())
        throw EAppError(QStringLiteral("リストのインデックスが範囲外です (%1)。").arg(index));
    return *entries_[index].Paper;
}

int TPapers::IndexOfName(const QString& name) const
{
    if (!nameIndexValid_) {
        nameIndex_.clear();
        for (int i = Count() - 1; i >= 0; --i)
            nameIndex_.insert(entries_[i].Paper->PaperName(), i);
        nameIndexValid_ = true;
    }
    return nameIndex_.value(name, -1);
}

void TPapers::Groups(QStringList& groups) const
{
    QSet<QString> listed(groups.cbegin(), groups.cend());
    for (const TEntry& entry : entries_)
        if (!listed.contains(entry.Paper->GroupName())) {
            listed.insert(entry.Paper->GroupName());
            groups.append(entry.Paper->GroupName());
        }
}

QStringList TPapers::ElementNames() const
{
    QStringList names;
    for (const TEntry& entry : entries_)
        names.append(entry.Element);
    return names;
}

void TPapers::SortEntries()
{
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const TEntry& a, const TEntry& b) { return ElementNameLess(a.Element, b.Element); });
}

void TPapers::SavePaper(const TPaperInfo& paper)
{
    if (purposes_->Merge(*paper.PurposeList()))
        WritePurposeCatalogue();
    std::unique_ptr<TPaperInfo> copy = paper.Clone();
    copy->SetLandscape(false);
    copy->SetStoresPurposeList(true);
    const int index = IndexOfName(paper.PaperName());
    quint64 next = nextNumber_;
    const QString element = index >= 0 ? entries_[index].Element : TakeElementName(next, kPapersStorage);
    // Creating the stream replaces the old paper's stream of the same name.
    WriteStoredComponent(PapersStorage(true), element, *copy);
    copy->SetStoresPurposeList(false);
    if (index >= 0) {
        entries_[index].Paper = std::move(copy);
    } else {
        entries_.push_back({element, std::move(copy)});
        nextNumber_ = next;
        if (nameIndexValid_)
            nameIndex_.insert(paper.PaperName(), Count() - 1);
    }
    modified_ = true;
}

void TPapers::DeletePaper(int index)
{
    const QString name = Paper(index).PaperName();
    const QString element = entries_[index].Element;
    PapersStorage(true).DeleteElement(element);
    entries_.erase(entries_.begin() + index);
    ForgetNameIndex();
    // The next number stays one past the highest number still in use.
    if (const std::optional<quint32> number = ElementNumber(element); number && *number + quint64(1) == nextNumber_)
        nextNumber_ = NextElementNumber(ElementNames());
    modified_ = true;
    PaperDeleted(name);
}

void TPapers::PaperDeleted(const QString&)
{
}

void TPapers::Reorder(const QStringList& names)
{
    for (const QString& name : names)
        if (IndexOfName(name) < 0)
            throw EAppError(QStringLiteral("Bad paper name"));
    if (names.isEmpty())
        return;
    TDocStorage& papers = PapersStorage(true);
    // The papers take their new places even when a move fails half-way.
    const auto settle = [this] {
        SortEntries();
        ForgetNameIndex();
    };
    try {
        for (const QString& name : names) {
            TEntry& entry = entries_[IndexOfName(name)];
            quint64 next = nextNumber_;
            const QString element = TakeElementName(next, kPapersStorage);
            papers.MoveElement(entry.Element, element);
            entry.Element = element;
            nextNumber_ = next;
            modified_ = true;
        }
    } catch (...) {
        settle();
        throw;
    }
    settle();
}

void TPapers::SetPurposeCatalogue(const TPurposeList& list)
{
    purposes_->Assign(list);
    WritePurposeCatalogue();
}
