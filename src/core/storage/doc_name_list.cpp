#include "core/storage/doc_name_list.h"

#include "core/error.h"
#include "core/storage/root_storage.h"
#include "core/storage/storage_modes.h"
#include "core/storage/storage_path.h"
#include "platform/cfb/element_names.h"
#include "platform/shift_jis.h"

#include <QtEndian>
#include <optional>
#include <limits>

TDocNameList::TDocNameList(TDocStorage& base, const QString& path)
{
    QStringList components = ResolveStoragePath(base.PathComponents(), path);
    if (components.isEmpty())
        throw EAppError(QStringLiteral("名前リストのストリーム名がありません。"));
    listName_ = components.takeLast();
    const bool writable = !base.Root().IsReadOnly();
    storage_ = std::make_unique<TDocStorage>(base, writable, QStringLiteral("\\") + StoragePathText(components));
    if (!writable)
        stream_ = std::make_unique<TDocStream>(*storage_, fmOpenRead, listName_);
    else if (storage_->StreamExists(listName_))
        stream_ = std::make_unique<TDocStream>(*storage_, fmOpenReadWrite, listName_);
    else
        stream_ = std::make_unique<TDocStream>(*storage_, fmCreate, listName_);
    if (stream_->size() > 0)
        Load();
}

TDocNameList::~TDocNameList() = default;

void TDocNameList::Load()
{
    const QByteArray bytes = ReadWholeStream(*stream_);
    if (bytes.size() < 4)
        throw EAppError(QStringLiteral("名前リスト「%1」の形式が正しくありません。").arg(listName_));
    const auto* counter = reinterpret_cast<const uchar*>(bytes.constData());
    counter_ = static_cast<qint32>(counter[0] | counter[1] << 8 | counter[2] << 16 | static_cast<quint32>(counter[3]) << 24);
    QStringList names = DecodeShiftJIS(QByteArrayView(bytes).sliced(4)).split(QStringLiteral("\r\n"));
    if (names.last().isEmpty())
        names.removeLast();
    names_ = names;
}

void TDocNameList::Store(const QStringList& names, qint32 counter)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(counter, bytes.data());
    for (const QString& name : names) {
        const std::optional<QByteArray> encoded = EncodeShiftJIS(name);
        if (!encoded)
            throw EAppError(QStringLiteral("名前「%1」はリストに書けない文字を含んでいます。").arg(name));
        bytes += *encoded + "\r\n";
    }
    stream_->seek(0);
    stream_->Write(bytes.constData(), bytes.size());
    stream_->SetSize(bytes.size());
    names_ = names;
    counter_ = counter;
}

const QString& TDocNameList::Name(int i) const
{
    CheckIndex(i);
    return names_[i];
}

void TDocNameList::CheckIndex(int i) const
{
    if (i < 0 || i >= Count())
        throw EAppError(QStringLiteral("リストのインデックスが範囲外です (%1)。").arg(i));
}

bool TDocNameList::IsTaken(const QString& name)
{
    for (const QString& listed : names_) {
        if (cfb::CompareNames(listed, name) == 0)
            return true;
    }
    return storage_->StreamExists(name) || storage_->StorageExists(name);
}

QString TDocNameList::AddNewName()
{
    // The counter normally gives a free name at once; a list whose counter fell behind its
    // names (written by a faulty writer) skips the names in use instead of sharing them.
    qint32 counter = counter_;
    QString name;
    do {
        if (counter == std::numeric_limits<qint32>::max())
            throw EAppError(QStringLiteral("名前リスト「%1」の番号が上限に達しました。").arg(listName_));
        name = listName_ + QString::number(counter++);
    } while (IsTaken(name));
    Store(names_ + QStringList{name}, counter);
    return name;
}

void TDocNameList::Insert(int index, const QString& name)
{
    if (index != Count())
        CheckIndex(index);
    QStringList names = names_;
    names.insert(index, name);
    Store(names, counter_);
}

QString TDocNameList::EntryPath(int i) const
{
    return JoinStoragePath(storage_->Path(), Name(i));
}

std::unique_ptr<TDocStream> TDocNameList::OpenStream(int i, int mode)
{
    return std::make_unique<TDocStream>(*storage_, mode, Name(i));
}

std::unique_ptr<TDocStorage> TDocNameList::OpenStorage(int i, bool create)
{
    return std::make_unique<TDocStorage>(*storage_, create, Name(i));
}

bool TDocNameList::StreamExists(int i)
{
    return i >= 0 && i < Count() && storage_->StreamExists(names_[i]);
}

void TDocNameList::DeleteEntry(int i)
{
    storage_->DeleteElement(Name(i));
    QStringList names = names_;
    names.removeAt(i);
    Store(names, counter_);
}

void TDocNameList::Move(int from, int to)
{
    CheckIndex(from);
    CheckIndex(to);
    QStringList names = names_;
    names.move(from, to);
    Store(names, counter_);
}

void TDocNameList::Clear()
{
    Store({}, counter_);
}
