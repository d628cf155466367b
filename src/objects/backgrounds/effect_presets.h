#pragma once
// Picture quality presets ("Effect.dat"): an INI file with one section per preset and the
// keys "Title", "Brightness", "Contrast", "Focus" and "Color", applied to an image data's
// light, blur and monotone filters.
#include "core/persistent/color_type.h"

#include <QString>
#include <vector>

class TImageData;

struct TEffectPreset {
    QString Title;
    int Brightness = 0;
    int Contrast = 0;
    int Focus = 0;        // the blur filter's count: > 0 soft, < 0 sharp
    TColor Color = clNone; // monotone tint, clNone for none
};

// The presets in file order; a missing file gives none. A preset without "Title" shows its
// section name.
std::vector<TEffectPreset> LoadEffectPresets(const QString& path);

// Sets the three filters from the preset in one change of the image data.
void ApplyEffectPreset(TImageData& imageData, const TEffectPreset& preset);
