#pragma once
// Makes the music room's stored classes creatable by name from streams.
void RegisterMusicClasses();
