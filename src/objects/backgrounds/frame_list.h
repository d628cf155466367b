#pragma once
// The list of background frames ("BackGrnd\BackFram.dat"), in the shade list format: one
// section per genre, its "Folder" (relative to the data folder) and every key beginning with
// "File" one entry of up to three comma-separated names: the preview, the sharp and the soft
// picture.
#include <QString>
#include <vector>

struct TFrameEntry {
    QString Preview;
    QString Sharp;
    QString Soft;
};

struct TFrameGenre {
    QString Name;
    QString Folder;
    std::vector<TFrameEntry> Entries;
};

std::vector<TFrameGenre> LoadFrameList(const QString& path);

// The picture file of an entry: its sharp picture, or its preview when that is empty, in the
// genre's folder below the data folder.
QString FramePicturePath(const QString& dataFolder, const TFrameGenre& genre, const TFrameEntry& entry);
