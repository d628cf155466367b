#include "platform/fonts/font_catalog.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <memory>
#include <set>

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

// The outline faces matching the pattern, with the listed properties.
std::unique_ptr<FcFontSet, FontSetDeleter> ListOutlineFaces(FcPattern* pattern)
{
    FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
    std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
        FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, nullptr));
    return std::unique_ptr<FcFontSet, FontSetDeleter>(FcFontList(nullptr, pattern, objects.get()));
}

int IntegerOf(const FcPattern* pattern, const char* object, int fallback)
{
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

// How far a face is from the upright regular style (0 = regular).
int StyleDistance(const FcPattern* pattern)
{
    return std::abs(IntegerOf(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR) - FC_WEIGHT_REGULAR) +
           1000 * (IntegerOf(pattern, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN);
}

} // namespace

std::optional<TFontFileRef> FindOutlineFace(const QString& family)
{
    if (family.trimmed().isEmpty())
        return std::nullopt;
    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    const auto faces = ListOutlineFaces(pattern.get());
    const FcPattern* best = nullptr;
    for (int i = 0; faces && i < faces->nfont; ++i) {
        const FcPattern* face = faces->fonts[i];
        if (!best || StyleDistance(face) < StyleDistance(best))
            best = face;
    }
    FcChar8* file = nullptr;
    if (!best || FcPatternGetString(best, FC_FILE, 0, &file) != FcResultMatch)
        return std::nullopt;
    return TFontFileRef{QString::fromUtf8(reinterpret_cast<const char*>(file)), IntegerOf(best, FC_INDEX, 0)};
}

QStringList InstalledOutlineFamilies()
{
    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    const auto faces = ListOutlineFaces(pattern.get());
    std::set<QString> names;
    for (int i = 0; faces && i < faces->nfont; ++i) {
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(faces->fonts[i], FC_FAMILY, n, &family) == FcResultMatch; ++n)
            names.insert(QString::fromUtf8(reinterpret_cast<const char*>(family)));
    }
    return QStringList(names.begin(), names.end());
}
