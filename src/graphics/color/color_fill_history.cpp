#include "graphics/color/color_fill_history.h"

#include "core/error.h"
#include "core/frame/macro_string.h"
#include "core/frame/settings.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"
#include "core/storage/temporary_storage.h"
#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_wrapper.h"
#include "graphics/color/history_key.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

LR_DEFINE_CLASS(TColorSpecHistory, TComponent, LR_CREATABLE(TColorSpecHistory),
    prop::Integer("Limit", &Self::Limit, &Self::SetLimit).Default(TColorSpecHistory::kDefaultLimit),
    prop::String("Filename", &Self::Filename, &Self::SetFilename))

namespace {

const QString kNameList = QStringLiteral("\\ColorSpec\\NameList");
const QString kSpecStorage = QStringLiteral("\\ColorSpec\\");
const QString kPreviewStorage = QStringLiteral("\\Preview\\");
const QString kWrapperResource = QStringLiteral("TColorSpecWrapper");

// A preview is a small PNG image; a longer stream is not one of ours.
constexpr qint64 kMaxPreviewBytes = 1 << 20;

// The entry list of a history file, every name checked to be a key, so that a damaged file
// cannot make the history address other elements.
std::unique_ptr<TDocNameList> OpenEntries(TRootStorage& root, const QString& filename)
{
    auto list = std::make_unique<TDocNameList>(root, kNameList);
    const QStringList& names = list->Names();
    if (!std::all_of(names.begin(), names.end(), IsHistoryKey))
        throw EAppError(QStringLiteral("色指定の履歴「%1」の形式が正しくありません。").arg(filename));
    return list;
}

void RemoveEntry(TRootStorage& root, TDocNameList& entries, int index)
{
    root.DeleteElement(kPreviewStorage + entries.Name(index));
    entries.DeleteEntry(index);
}

// Runs change on a working copy of the history (empty when the file does not exist yet),
// then puts the copy in the file's place.
template <class Change>
void ChangeHistory(const QString& filename, Change change)
{
    TTemporaryStorage work;
    if (QFileInfo::exists(filename))
        work.LoadFrom(filename);
    {
        const std::unique_ptr<TDocNameList> entries = OpenEntries(work, filename);
        change(work, *entries);
    }
    QDir().mkpath(QFileInfo(filename).absolutePath());
    work.SaveTo(filename);
}

} // namespace

TColorSpecHistory::TColorSpecHistory()
{
    if (!ApplicationMacros())
        return;
    try {
        filename_ = Expand(QStringLiteral("$(ColorSpecHistory)"));
    } catch (const EAppError&) {
        filename_.clear();
    }
}

void TColorSpecHistory::AddToHistory(const TColorSpec& spec)
{
    const QByteArray preview = HistoryPreviewData(spec);
    const QString key = FoldHistoryKey(HistoryKeyData(spec, preview));
    ChangeHistory(filename_, [&](TRootStorage& root, TDocNameList& entries) {
        const int existing = int(entries.Names().indexOf(key));
        if (existing >= 0) {
            entries.Move(existing, 0);
        } else {
            entries.Insert(0, key);
            TColorSpecWrapper wrapper;
            wrapper.ColorSpec()->Assign(spec);
            TDocStream specStream(root, fmCreate, kSpecStorage + key);
            WriteComponentRes(specStream, kWrapperResource, wrapper);
            TDocStream previewStream(root, fmCreate, kPreviewStorage + key);
            previewStream.Write(preview.constData(), preview.size());
        }
        while (entries.Count() > std::max(limit_, 0))
            RemoveEntry(root, entries, entries.Count() - 1);
    });
}

void TColorSpecHistory::DeleteEntry(int index)
{
    ChangeHistory(filename_, [index](TRootStorage& root, TDocNameList& entries) { RemoveEntry(root, entries, index); });
}

void TColorSpecHistory::LoadFromHistory(int index, TColorSpec& spec) const
{
    TFileStorage root(filename_, fmOpenRead | fmShareDenyWrite);
    const std::unique_ptr<TDocNameList> entries = OpenEntries(root, filename_);
    TDocStream stream(root, fmOpenRead, kSpecStorage + entries->Name(index));
    TColorSpecWrapper wrapper;
    ReadComponentRes(stream, wrapper);
    spec.Assign(*wrapper.ColorSpec());
}

void TColorSpecHistory::LoadPreview(int index, TPictureEx& picture) const
{
    picture.SetGraphic(nullptr);
    try {
        TFileStorage root(filename_, fmOpenRead | fmShareDenyWrite);
        const std::unique_ptr<TDocNameList> entries = OpenEntries(root, filename_);
        TDocStream stream(root, fmOpenRead, kPreviewStorage + entries->Name(index));
        if (stream.size() > kMaxPreviewBytes)
            return;
        picture.LoadData(ReadWholeStream(stream));
    } catch (const std::exception&) {
        picture.SetGraphic(nullptr);
    }
}

int TColorSpecHistory::HistoryCount() const
{
    if (filename_.isEmpty() || !QFileInfo::exists(filename_))
        return 0;
    try {
        TFileStorage root(filename_, fmOpenRead | fmShareDenyWrite);
        return OpenEntries(root, filename_)->Count();
    } catch (const std::exception&) {
        return 0;
    }
}

void TColorSpecHistory::ClearHistory()
{
    QFile::remove(filename_);
}

bool UseColorSpecHistory()
{
    return ReadBool(QStringLiteral("UseColorSpecHistory"), true);
}
