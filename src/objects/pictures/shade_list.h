#pragma once
// The shade list file of a collection of shade figures (and of background frames): an INI
// file whose sections are the genres in display order. A genre's "Folder" names its picture
// folder relative to the program's data; every key beginning with "File" is one entry, its
// value the preview, sharp and soft-edged picture names separated by commas (missing names
// are empty). Other keys are ignored.
#include <QString>
#include <vector>

struct TShadeEntry {
    QString Preview;
    QString Sharp;
    QString Soft;
};

struct TShadeGenre {
    QString Name;
    QString Folder;       // as written in the file
    QString FolderPath;   // located in the data folders; empty when it is missing
    std::vector<TShadeEntry> Entries;
};

// The genres of a shade list file; a missing file gives none.
std::vector<TShadeGenre> LoadShadeList(const QString& path);
// The same from the file's bytes (the folders are located all the same).
std::vector<TShadeGenre> ParseShadeList(const QByteArray& bytes);

// The preview picture's path.
QString ShadePreviewPath(const TShadeGenre& genre, const TShadeEntry& entry);
// The picture a chosen entry loads: the soft-edged one when the soft edge is asked for (and
// offered), else the sharp one; when that name is empty, the preview. It is taken from the
// folder of the preview picture.
QString ShadePicturePath(const TShadeGenre& genre, const TShadeEntry& entry, bool softEdge);
