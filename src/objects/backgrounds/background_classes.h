#pragma once
// Makes the background object classes creatable by name from streams.
void RegisterBackgroundClasses();
