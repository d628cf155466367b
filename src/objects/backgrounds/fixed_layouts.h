#pragma once
// The fixed layouts of arranged images: a layout set file (".sld", an INI file with one
// section per layout: "Count", then "Angle%d" and "Position%d" = "left,top,right,bottom" in
// thousandths of the composition for each slot) and, beside it under the same base name, a
// compressed bitmap (".cbm") holding the previews of all layouts side by side in section
// order, each one slice of the strip's width divided by the number of layouts.
#include "objects/backgrounds/arrange_layout.h"

#include <QImage>
#include <QString>
#include <vector>

// Slots reach at most half a composition beyond each of its edges. Positions farther out
// come from damaged data, and their pictures would be drawn many times the composition's size.
inline constexpr int kMinSlotThousandths = -500;
inline constexpr int kMaxSlotThousandths = 1500;

struct TFixedLayout {
    QString Name;
    std::vector<TLayoutSlot> Slots;
    QImage Preview; // null when the set has no preview strip
};

// The preview strip of a layout set file: the same path with the extension ".cbm".
QString LayoutPreviewPath(const QString& setPath);

// Reads a layout set and its preview strip (optional). Fails, with nothing read, on a layout
// without slots, a slot whose position is not four numbers in the slots' range with right
// and bottom not before left and top, and a strip too narrow to give every layout a slice.
std::vector<TFixedLayout> LoadFixedLayouts(const QString& setPath);

// Writes the set file and the preview strip (previews scaled to the first one's size; the
// strip is left out when no layout has a preview). Neither file is left half-written.
void SaveFixedLayouts(const QString& setPath, const std::vector<TFixedLayout>& layouts);
