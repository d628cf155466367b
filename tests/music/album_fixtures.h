#pragma once
// Albums built in memory for the music tests.
#include "music/album/album_info.h"

#include <QStringList>
#include <memory>
#include <vector>

// An album with its title and artist and one track per entry: title, time, artist, album.
std::unique_ptr<TAlbumInfo> MakeAlbum(const QString& title, const QString& artist,
                                      const std::vector<QStringList>& tracks);
