#pragma once
// The background library ("背景集") of the data folder: pictures listed in
// "BackGrnd\BackGrnd.dat", an INI file with one section per genre (its name shown with the
// pictures), the genre's picture folder under "Folder" (relative to the data folder) and
// every key beginning with "File" one picture: "preview,picture[,title]", plain file names
// in that folder. The list is read as hostile: a folder or name that would lead out of the
// data folder, a malformed entry or a list without pictures gives no pictures and a message.
#include <QByteArray>
#include <QString>
#include <vector>

// The most pictures a library lists; a longer list is refused as damaged.
inline constexpr int kMaxLibraryPictures = 4096;

struct TLibraryPicture {
    QString Genre;
    QString Title;       // the title given, else the picture's file name without extension
    QString PreviewPath; // full paths below the data folder
    QString PicturePath;
};

struct TBackgroundLibrary {
    std::vector<TLibraryPicture> Pictures;
    QString Error; // why there are no pictures; empty when the list was read
};

// The list file of the library in that data folder.
QString BackgroundLibraryPath(const QString& dataFolder);
// Reads the list of the data folder's library.
TBackgroundLibrary LoadBackgroundLibrary(const QString& dataFolder);
// The same from the list's bytes; listName names the list in the message.
TBackgroundLibrary ParseBackgroundLibrary(const QByteArray& bytes, const QString& dataFolder, const QString& listName);
