#pragma once
// Finding the program's data: catalogues, templates, patterns and collections generated
// at build time. They live in the installed data folder (share/lumarest beside the
// program's bin folder) and, for a program run from its build tree, in the build's data
// folder. LUMAREST_DATA_DIR, when set, names the one data folder to use instead.
#include <QString>
#include <QStringList>
#include <optional>

// The folders searched for data, in order.
QStringList DataFolders();
// The first of them that exists (empty when none does).
QString DataFolder();

// The full path of a data file or folder given relative to the data folder ("\" or "/"
// separators). With "*" or "?" in the path, the first plain file matching the pattern.
// Empty when nothing is found, or when the path would lead out of the data folder; callers
// then treat the data as absent.
QString LocateDataFile(const QString& relativePath);

// The path with "/" separators and no leading separator when it stays inside the folder it
// is relative to (no ".." step, no Qt resource path beginning with ":"); nothing otherwise.
// List files name their pictures through such paths.
std::optional<QString> InsideRelativePath(const QString& relativePath);
