#include "objects/backgrounds/background_library.h"

#include "core/frame/ini_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

constexpr int kMaxNameLength = 255;

// A file name that stays inside its folder: no separators, not "." or "..".
bool PlainName(const QString& name)
{
    return !name.isEmpty() && name.size() <= kMaxNameLength && name != QLatin1String(".") &&
           name != QLatin1String("..") && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

// The folder with "/" separators when it is relative and every step a plain name (a
// separator at the end is allowed).
std::optional<QString> RelativeFolder(QString folder)
{
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const QStringList steps = folder.split(QLatin1Char('/'));
    for (const QString& step : steps)
        if (!PlainName(step))
            return std::nullopt;
    return steps.join(QLatin1Char('/'));
}

// The pictures of the list, or nothing when any part of it is malformed.
std::optional<std::vector<TLibraryPicture>> ReadPictures(const TIniText& ini, const QString& dataFolder)
{
    std::vector<TLibraryPicture> pictures;
    for (const TIniText::Section& section : ini.Sections()) {
        const QString* folderText = IniValue(section, QStringLiteral("Folder"));
        const std::optional<QString> folder = folderText ? RelativeFolder(*folderText) : std::nullopt;
        if (!folder)
            return std::nullopt;
        // Joined as text: QDir would take a step beginning with ":" for a resource path
        // outside the data folder.
        const QString pictureFolder = dataFolder + QLatin1Char('/') + *folder + QLatin1Char('/');
        for (const auto& [key, value] : section.Values) {
            if (!key.startsWith(QLatin1String("File"), Qt::CaseInsensitive))
                continue;
            const QStringList fields = value.split(QLatin1Char(','));
            if (fields.size() < 2 || fields.size() > 3 || int(pictures.size()) >= kMaxLibraryPictures)
                return std::nullopt;
            const QString preview = fields[0].trimmed(), picture = fields[1].trimmed();
            if (!PlainName(preview) || !PlainName(picture))
                return std::nullopt;
            const QString title = fields.value(2).trimmed();
            pictures.push_back({section.Name, title.isEmpty() ? QFileInfo(picture).completeBaseName() : title,
                                pictureFolder + preview, pictureFolder + picture});
        }
    }
    if (pictures.empty())
        return std::nullopt;
    return pictures;
}

} // namespace

QString BackgroundLibraryPath(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("BackGrnd/BackGrnd.dat"));
}

TBackgroundLibrary LoadBackgroundLibrary(const QString& dataFolder)
{
    const QString path = BackgroundLibraryPath(dataFolder);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("背景集の一覧「%1」が見つかりません").arg(path)};
    if (file.size() > kMaxIniFileBytes)
        return {{}, QStringLiteral("背景集の一覧「%1」が正しくありません").arg(path)};
    return ParseBackgroundLibrary(file.read(kMaxIniFileBytes), dataFolder, path);
}

TBackgroundLibrary ParseBackgroundLibrary(const QByteArray& bytes, const QString& dataFolder, const QString& listName)
{
    std::optional<std::vector<TLibraryPicture>> pictures = ReadPictures(TIniText::Parse(bytes), dataFolder);
    if (!pictures)
        return {{}, QStringLiteral("背景集の一覧「%1」が正しくありません").arg(listName)};
    return {std::move(*pictures), {}};
}
