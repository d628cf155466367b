#pragma once
// Paths of elements inside a compound document: element names separated by "\", resolved
// against the path of a base storage.
#include <QString>
#include <QStringList>

// Resolves path against base (the components of a storage's path from the root): "." and
// empty components are dropped, ".." removes the previous component, and a path that
// begins with "\" starts again from the root. Raises `too many ".."` when a ".." would climb
// above the root.
QStringList ResolveStoragePath(const QStringList& base, const QString& path);

// Joins components with "\" (no leading "\"; the root is the empty path).
QString StoragePathText(const QStringList& components);

// base and name with one "\" between them unless base is empty or already ends with "\".
QString JoinStoragePath(const QString& base, const QString& name);
