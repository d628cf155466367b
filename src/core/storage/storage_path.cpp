#include "core/storage/storage_path.h"

#include "core/error.h"

QStringList ResolveStoragePath(const QStringList& base, const QString& path)
{
    QStringList resolved = path.startsWith(u'\\') ? QStringList() : base;
    for (const QString& part : path.split(u'\\')) {
        if (part.isEmpty() || part == u".")
            continue;
        if (part == u"..") {
            if (resolved.isEmpty())
                throw EAppError(QStringLiteral("too many \"..\""));
            resolved.removeLast();
            continue;
        }
        resolved.append(part);
    }
    return resolved;
}

QString StoragePathText(const QStringList& components)
{
    return components.join(u'\\');
}

QString JoinStoragePath(const QString& base, const QString& name)
{
    if (base.isEmpty() || base.endsWith(u'\\'))
        return base + name;
    return base + u'\\' + name;
}
