#include "core/frame/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList DataFolders()
{
    const QString overridden = qEnvironmentVariable("LUMAREST_DATA_DIR");
    if (!overridden.isEmpty())
        return {overridden};
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/lumarest"));
#ifdef LUMAREST_BUILD_DATA_DIR
    folders << QStringLiteral(LUMAREST_BUILD_DATA_DIR);
#endif
    return folders;
}

QString DataFolder()
{
    for (const QString& folder : DataFolders())
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    return {};
}

std::optional<QString> InsideRelativePath(const QString& relativePath)
{
    QString relative = relativePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    if (relative.startsWith(QLatin1Char(':')) || relative.contains(QChar(0)) ||
        relative.split(QLatin1Char('/')).contains(QLatin1String("..")))
        return std::nullopt;
    return relative;
}

QString LocateDataFile(const QString& relativePath)
{
    const std::optional<QString> inside = InsideRelativePath(relativePath);
    if (!inside)
        return {};
    const QString& relative = *inside;
    const bool pattern = relative.contains(QLatin1Char('*')) || relative.contains(QLatin1Char('?'));
    for (const QString& folder : DataFolders()) {
        const QString joined = QDir(folder).filePath(relative);
        if (!pattern) {
            if (QFileInfo::exists(joined))
                return QDir::cleanPath(joined);
            continue;
        }
        const QFileInfo info(joined);
        const QDir directory = info.dir();
        const QStringList matches =
            directory.entryList({info.fileName()}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
        if (!matches.isEmpty())
            return QDir::cleanPath(directory.filePath(matches.first()));
    }
    return {};
}
