#include "assets/templates/template_list.h"

#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "core/face/face_info.h"
#include "core/frame/macro_string.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/file_storage.h"
#include "core/storage/storage_modes.h"
#include "document/label_data_elements.h"
#include "music/csv/csv_data.h"
#include "platform/replace_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kAnyPurpose = QStringLiteral("*");
// A favourites file larger than this is not ours and is read as empty.
constexpr qint64 kMaxFavoritesBytes = 4 * 1024 * 1024;

QString TrueFlag(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

int ParseIndex(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : -1;
}

// The folder with one trailing "/" (empty stays empty).
QString FolderWithSeparator(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    QString result = folder;
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

bool FaceFits(const TFaceInfo* face, const TPaperInfo& paper, int label)
{
    if (!face)
        return true;
    if (label >= paper.FaceCount())
        return false;
    if (face->FacePurpose() != kAnyPurpose && face->FacePurpose() != paper.FacePurpose(label))
        return false;
    if (face->FaceRect().IsEmpty())
        return true;
    return AspectClass(face->FaceRect()) == AspectClass(paper.FaceRect(label));
}

bool Passes(int restriction, int index)
{
    return restriction < 0 || restriction == index;
}

// The fitting labels of a document; raises when the document or a paper cannot be read.
std::vector<TTemplateInfo> FittingLabels(const QString& fileName, const TFaceInfo* face, int sheetOnly, int labelOnly)
{
    std::vector<TTemplateInfo> found;
    TFileStorage file(fileName, fmOpenRead | fmShareDenyWrite);
    TDocStorageList sheets(file, label_data::kSheetList);
    for (int sheet = 0; sheet < sheets.Count(); ++sheet) {
        if (!Passes(sheetOnly, sheet))
            continue;
        std::unique_ptr<TDocStorage> storage = sheets.OpenStorage(sheet, false);
        TDocNameList labels(file, sheets.EntryPath(sheet) + QLatin1Char('\\') + label_data::kDesignList);
        std::unique_ptr<TPaperInfo> paper;
        for (int label = 0; label < labels.Count(); ++label) {
            if (!Passes(labelOnly, label) || !labels.StreamExists(label) || labels.OpenStream(label, fmOpenRead)->size() == 0)
                continue;
            if (!paper)
                paper = label_data::ReadSheetPaper(*storage);
            if (FaceFits(face, *paper, label))
                found.push_back({fileName, sheet, label, false});
        }
    }
    return found;
}

} // namespace

bool operator==(const TTemplateInfo& a, const TTemplateInfo& b)
{
    return a.FileName.compare(b.FileName, Qt::CaseInsensitive) == 0 && a.Sheet == b.Sheet && a.Label == b.Label
        && a.WholeFile == b.WholeFile;
}

int AspectClass(const TRect& rect)
{
    const double width = RectWidth(rect);
    const double height = RectHeight(rect);
    if (height != 0) {
        const double ratio = width / height;
        if (ratio > 0.9 && ratio < 1.1)
            return 0;
    }
    return height < width ? 1 : 2;
}

bool IsTemplateFile(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const char* known : {"cld", "clt", "cjd"})
        if (suffix.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int TTemplateList::IndexOf(const TTemplateInfo& info) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)] == info)
            return i;
    return -1;
}

void TTemplateList::ScanFile(const QString& fileName, const TFaceInfo* face, int sheet, int label)
{
    std::vector<TTemplateInfo> found;
    try {
        found = FittingLabels(fileName, face, sheet, label);
    } catch (const std::exception&) {
        return;
    }
    if (found.empty() && (!face || face->FacePurpose() == kAnyPurpose))
        found.push_back({fileName, 0, 0, true});
    items_.insert(items_.end(), found.begin(), found.end());
}

void TTemplateList::ScanFolder(const QString& folder, const TFaceInfo* face)
{
    Clear();
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (!IsTemplateFile(name))
            continue;
        const QString path = dir.filePath(name);
        if (listFilesOnly_)
            Add({path, 0, 0, true});
        else
            ScanFile(path, face);
    }
}

void TTemplateList::LoadFavorites(const QString& path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxFavoritesBytes)
        return;
    TCSVData csv;
    csv.Load(file.read(kMaxFavoritesBytes));
    const QString base = FolderWithSeparator(baseFolder_);
    for (int row = 0; row < csv.RowCount(); ++row) {
        const TCSVStringList fields = csv.Row(row);
        if (fields.Get(0).isEmpty())
            continue;
        TTemplateInfo info;
        info.FileName = fields.Get(0);
        info.Sheet = ParseIndex(fields.Get(1));
        info.Label = ParseIndex(fields.Get(2));
        info.WholeFile = fields.Get(3) != QLatin1String("0");
        const QString relative = fields.Get(4);
        if (!relative.isEmpty() && relative != QLatin1String("0"))
            info.FileName.prepend(base);
        if (IndexOf(info) < 0)
            Add(info);
    }
}

bool TTemplateList::SaveFavorites(const QString& path) const
{
    const QString base = FolderWithSeparator(baseFolder_);
    TCSVData csv;
    for (const TTemplateInfo& info : items_) {
        const bool relative = !base.isEmpty() && info.FileName.startsWith(base);
        const QString name = relative ? info.FileName.mid(base.size()) : info.FileName;
        csv.AddRow(TCSVStringList({name, QString::number(info.Sheet), QString::number(info.Label),
                                   TrueFlag(info.WholeFile), TrueFlag(relative)}));
    }
    const std::optional<QByteArray> bytes = csv.Save();
    if (!bytes)
        return false;
    // The user's preference folder does not exist before the first file of a new user.
    QDir().mkpath(QFileInfo(path).absolutePath());
    try {
        SaveReplacingFile(path, [&](const QString& temporary) {
            QFile file(temporary);
            if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
                throw EAppError(QStringLiteral("ファイル「%1」を保存できません").arg(path));
        });
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void TTemplateList::Refresh(const TFaceInfo* face)
{
    const std::vector<TTemplateInfo> kept = items_;
    Clear();
    for (const TTemplateInfo& info : kept)
        if (QFileInfo(info.FileName).isFile())
            ScanFile(info.FileName, face, info.Sheet, info.Label);
}

namespace {

void SaveOrRaise(const TTemplateList& list, const QString& path)
{
    if (!list.SaveFavorites(path))
        throw EAppError(QStringLiteral("ファイル「%1」を保存できません").arg(path));
}

} // namespace

QString TTemplateList::AddFavorite(const QString& path, const TTemplateInfo& info, const TFaceInfo* face)
{
    Clear();
    LoadFavorites(path);
    const bool known = IndexOf(info) >= 0;
    if (!known) {
        Add(info);
        SaveOrRaise(*this, path);
    }
    Refresh(face);
    return known ? FavoriteExistsMessage() : FavoriteAddedMessage();
}

void TTemplateList::DeleteFavorite(const QString& path, const TTemplateInfo& info, const TFaceInfo* face)
{
    Clear();
    LoadFavorites(path);
    const int index = IndexOf(info);
    if (index >= 0)
        items_.erase(items_.begin() + index);
    SaveOrRaise(*this, path);
    Refresh(face);
}

QString FavoriteTemplateFile()
{
    if (!ApplicationMacros())
        return {};
    try {
        return Expand(QStringLiteral("$(FavoriteTemplate)"));
    } catch (const EAppError&) {
        return {};
    }
}

QString FavoriteAddedMessage()
{
    return QStringLiteral("お気に入りに追加しました");
}

QString FavoriteExistsMessage()
{
    return QStringLiteral("このテンプレートは登録済みです");
}

QString NoFavoritesMessage()
{
    return QStringLiteral("登録済みのテンプレートはありません");
}
