#include "objects/pictures/shade_list.h"

#include "core/frame/data_files.h"
#include "core/frame/ini_text.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString ForwardSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/')).trimmed();
}

std::vector<TShadeGenre> ReadGenres(const TIniText& ini)
{
    std::vector<TShadeGenre> genres;
    for (const QString& section : ini.SectionNames()) {
        TShadeGenre genre;
        genre.Name = section;
        genre.Folder = ini.Value(section, QStringLiteral("Folder"));
        if (!genre.Folder.isEmpty())
            genre.FolderPath = LocateDataFile(ForwardSlashes(genre.Folder));
        for (const QString& key : ini.Keys(section)) {
            if (!key.startsWith(QLatin1String("File"), Qt::CaseInsensitive))
                continue;
            const QStringList names = ini.Value(section, key).split(QLatin1Char(','));
            genre.Entries.push_back({ForwardSlashes(names.value(0)), ForwardSlashes(names.value(1)),
                                     ForwardSlashes(names.value(2))});
        }
        genres.push_back(std::move(genre));
    }
    return genres;
}

} // namespace

std::vector<TShadeGenre> LoadShadeList(const QString& path)
{
    return ReadGenres(TIniText::Load(path));
}

std::vector<TShadeGenre> ParseShadeList(const QByteArray& bytes)
{
    return ReadGenres(TIniText::Parse(bytes));
}

QString ShadePreviewPath(const TShadeGenre& genre, const TShadeEntry& entry)
{
    if (genre.FolderPath.isEmpty() || entry.Preview.isEmpty())
        return {};
    return QDir(genre.FolderPath).filePath(entry.Preview);
}

QString ShadePicturePath(const TShadeGenre& genre, const TShadeEntry& entry, bool softEdge)
{
    const QString preview = ShadePreviewPath(genre, entry);
    if (preview.isEmpty())
        return {};
    const QString name = softEdge ? entry.Soft : entry.Sharp;
    if (name.isEmpty())
        return preview;
    return QFileInfo(preview).dir().filePath(QFileInfo(name).fileName());
}
