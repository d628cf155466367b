#pragma once
// Makes the graphics room's streamable classes known to the class registry, so that
// component streams can create them by name. Start-up calls it once; calling it again does
// no harm.
void RegisterGraphicsClasses();
