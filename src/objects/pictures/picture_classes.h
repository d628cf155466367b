#pragma once
// Makes the picture object classes (pictures with frames, shade figures) known to the class
// registry, so that documents can create them by name. Start-up calls it once; calling it
// again does no harm.
void RegisterPictureClasses();
