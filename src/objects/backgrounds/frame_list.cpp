#include "objects/backgrounds/frame_list.h"

#include "core/frame/data_files.h"
#include "core/frame/ini_text.h"


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
    // Joined as text once the path is known to stay in the data folder: QDir would take a
    // path beginning with ":" for a Qt resource.
    const std::optional<QString> inside = InsideRelativePath(genre.Folder + QLatin1Char('/') + name);
    return inside ? dataFolder + QLatin1Char('/') + *inside : QString();
}
