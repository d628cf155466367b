#pragma once
// The source of the fixed arrangement layouts ("Arranged.dat"): an INI file whose sections
// each name, under "File", a label document relative to the file's folder. Every picture
// object on that document's first face is one slot of the layout (its rectangle in
// thousandths of the face, its turn), and the first picture that is not empty is the
// layout's preview. Saving the layouts read from it gives the prepared layout set.
#include "objects/backgrounds/fixed_layouts.h"

class TLabelData;

// The layout a label document defines; no slots when its first face holds no picture
// object or the document has no face.
TFixedLayout LayoutFromDocument(TLabelData& document, const QString& name);

// Reads the layouts in section order. A section without a file, whose document is missing
// or cannot be read, or that defines no slot, is left out; the other layouts are read.
std::vector<TFixedLayout> LoadLayoutSources(const QString& sourcePath);
