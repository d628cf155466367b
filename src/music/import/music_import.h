#pragma once
// Turning a folder of audio files or a playlist into music records for an album.
#include "music/album/music_info.h"

#include <QStringList>
#include <optional>

// The plain files of a folder (hidden ones included, folders skipped), by name.
QStringList MusicFolderFiles(const QString& folder);

// Records from the named files of the folder: tags where the files have them, else the
// file name ("(artist)title" unless plainNames), sorted by title (leading numbers by
// value); album title and artist from what all records share, else from the folder's name
// "artist「album」" (unless plainNames), else from the first record that has them.
TMusicInfo MusicFromFolder(const QString& folder, const QStringList& names, bool plainNames);

// Records from a playlist, or nothing when it cannot be read or holds no entry.
std::optional<TMusicInfo> MusicFromPlaylist(const QString& path);
