#include "assets/templates/template_group.h"

#include "assets/templates/template_list.h"
#include "core/frame/data_files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QStringList SplitList(const QString& text)
{
    QStringList parts = text.split(QLatin1Char(','));
    for (QString& part : parts)
        part = part.trimmed();
    return parts;
}

} // namespace

TTemplateGroup::TTemplateGroup(const QString& path)
    : folder_(path.isEmpty() ? QString() : QFileInfo(path).absolutePath())
{
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        ini_ = TIniText::Load(path);
        found_ = true;
    }
}

TTemplateGroup TTemplateGroup::Shipped()
{
    return TTemplateGroup(LocateDataFile(TemplateCatalogueName()));
}

void TTemplateGroup::SetPurpose(const QString& purpose)
{
    purpose_ = purpose;
    dirs_.clear();
    names_.clear();
    if (!ini_.Find(purpose))
        return;
    const QStringList dirs = SplitList(ini_.Value(purpose, QStringLiteral("Dir")));
    const QStringList names = SplitList(ini_.Value(purpose, QStringLiteral("Name")));
    // Only pairs count: a list longer than the other has no partner for its tail.
    const qsizetype count = std::min(dirs.size(), names.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (dirs[i].isEmpty())
            continue;
        dirs_ << dirs[i];
        names_ << names[i];
    }
}

QString TTemplateGroup::GenreFolder(int index) const
{
    if (index < 0 || index >= Count() || folder_.isEmpty())
        return {};
    const QString path = QDir(folder_).filePath(QString(dirs_[index]).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return QFileInfo(path).isDir() ? QDir::cleanPath(path) : QString();
}

int TTemplateGroup::GenreOfFile(const QString& filePath) const
{
    const QString directory = QDir::cleanPath(QFileInfo(filePath).absolutePath());
    for (int i = 0; i < Count(); ++i) {
        const QString folder = GenreFolder(i);
        if (!folder.isEmpty() && QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) == directory)
            return i;
    }
    return -1;
}

QString TTemplateGroup::LocateTemplate(const QString& relativePath) const
{
    if (folder_.isEmpty())
        return {};
    const QStringList parts = QString(relativePath).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    QDir dir(folder_);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        const QStringList entries = dir.entryList((last ? QDir::Files : QDir::Dirs) | QDir::Hidden | QDir::System
                                                      | QDir::NoDotAndDotDot, QDir::Name);
        QString match;
        for (const QString& entry : entries) {
            const QString name = last ? QFileInfo(entry).completeBaseName() : entry;
            if (name.compare(parts[i], Qt::CaseInsensitive) == 0 && (!last || IsTemplateFile(entry))) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty())
            return {};
        if (last)
            return dir.filePath(match);
        dir.cd(match);
    }
    return {};
}

QString TemplateCatalogueName()
{
    return QStringLiteral("Template/Template.dat");
}

QString TemplateCatalogueMissingMessage()
{
    return QStringLiteral("テンプレート集が見つかりません。");
}
