#pragma once
// Makes the background object classes and the arranged image creatable by name from streams.
void RegisterBackgroundClasses();
