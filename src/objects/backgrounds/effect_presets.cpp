#include "objects/backgrounds/effect_presets.h"

#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/image_data.h"
#include "core/frame/ini_text.h"

std::vector<TEffectPreset> LoadEffectPresets(const QString& path)
{
    const TIniText ini = TIniText::Load(path);
    std::vector<TEffectPreset> presets;
    for (const TIniText::Section& section : ini.Sections()) {
        const auto integer = [&section](const char* key, int fallback) {
            int value = fallback;
            const QString* text = IniValue(section, QLatin1String(key));
            return text && ParseIniInteger(*text, value) ? value : fallback;
        };
        TEffectPreset preset;
        const QString* title = IniValue(section, QStringLiteral("Title"));
        preset.Title = title && !title->isEmpty() ? *title : section.Name;
        preset.Brightness = integer("Brightness", 0);
        preset.Contrast = integer("Contrast", 0);
        preset.Focus = integer("Focus", 0);
        preset.Color = integer("Color", clNone);
        presets.push_back(preset);
    }
    return presets;
}

void ApplyEffectPreset(TImageData& imageData, const TEffectPreset& preset)
{
    TUpdateBracket bracket(imageData.Notify());
    imageData.LightFilter()->SetBrightness(preset.Brightness);
    imageData.LightFilter()->SetContrast(preset.Contrast);
    imageData.BlurFilter()->SetBlurCount(preset.Focus);
    imageData.MonotoneFilter()->SetRefColor(preset.Color);
}
