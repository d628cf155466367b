#include "music/music_classes.h"

#include "core/stream/class_registry.h"
#include "music/album/album_info.h"

void RegisterMusicClasses()
{
    RegisterClass(TAlbumInfo::StaticClassInfo());
}
