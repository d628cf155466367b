#include "objects/backgrounds/frame_list.h"

#include "core/frame/ini_text.h"

#include <QDir>

std::vector<TFrameGenre> LoadFrameList(const QString& path)
{
    std::vector<TFrameGenre> genres;
    const TIniText ini = TIniText::Load(path);
    for (const TIniText::Section& section : ini.Sections()) {
        TFrameGenre genre;
        genre.Name = section.Name;
        for (const auto& [key, value] : section.Values) {
            if (key.compare(QLatin1String("Folder"), Qt::CaseInsensitive) == 0) {
                genre.Folder = value;
            } else if (key.startsWith(QLatin1String("File"), Qt::CaseInsensitive)) {
                const QStringList names = value.split(QLatin1Char(','));
                genre.Entries.push_back({names.value(0).trimmed(), names.value(1).trimmed(), names.value(2).trimmed()});
            }
        }
        genres.push_back(std::move(genre));
    }
    return genres;
}

QString FramePicturePath(const QString& dataFolder, const TFrameGenre& genre, const TFrameEntry& entry)
{
    const QString name = entry.Sharp.isEmpty() ? entry.Preview : entry.Sharp;
    if (name.isEmpty())
        return {};
    QString folder = genre.Folder;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(dataFolder).filePath(folder + QLatin1Char('/') + name);
}
