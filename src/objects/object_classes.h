#pragma once
// Registers every label object class (and the colour and picture classes they hold) with
// the class registry, so that documents, the clipboard and the creation commands can make
// any of them by name.
void RegisterLabelObjectClasses();
