#include "text/font_resolution.h"

#include <QHash>
#include <set>

namespace {

struct Alias {
    const char16_t* Name;
    const char* Family;
};

// Face names found in documents and the installed families that stand in for them.
constexpr Alias kAliases[] = {
    {u"ＭＳ Ｐゴシック", "IPAPGothic"}, {u"MS PGothic", "IPAPGothic"},
    {u"ＭＳ ＵＩ Gothic", "IPAPGothic"}, {u"MS UI Gothic", "IPAPGothic"},
    {u"System", "IPAPGothic"},
    {u"ＭＳ ゴシック", "IPAGothic"}, {u"MS Gothic", "IPAGothic"}, {u"標準ゴシック", "IPAGothic"},
    {u"ＭＳ Ｐ明朝", "IPAPMincho"}, {u"MS PMincho", "IPAPMincho"},
    {u"ＭＳ 明朝", "IPAMincho"}, {u"MS Mincho", "IPAMincho"}, {u"標準明朝", "IPAMincho"},
    {u"メイリオ", "IPAexGothic"}, {u"Meiryo", "IPAexGothic"},
};

constexpr const char* kCharacterFallbackFamily = "IPAPGothic";

// The face of an installed family, looked up once per name (missing names included).
std::shared_ptr<const TFontFace> InstalledFace(const QString& family)
{
    static QHash<QString, std::shared_ptr<const TFontFace>> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd())
        return *found;
    std::shared_ptr<const TFontFace> face;
    if (!family.startsWith(QLatin1Char('@')))
        if (const auto file = FindOutlineFace(family))
            face = TFontFace::Open(*file);
    known.insert(family, face);
    return face;
}

std::shared_ptr<const TFontFace> FaceOfName(const QString& name)
{
    const QString alias = AliasedFamily(name);
    return InstalledFace(alias.isEmpty() ? name : alias);
}

} // namespace

const QStringList& FallbackFonts()
{
    static const QStringList names{
        QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("ＭＳ ゴシック"),
        QStringLiteral("ＭＳ 明朝"),       QStringLiteral("標準ゴシック"), QStringLiteral("標準明朝"),
        QStringLiteral("System"),
    };
    return names;
}

QString AliasedFamily(const QString& name)
{
    for (const Alias& alias : kAliases)
        if (name == QString::fromUtf16(alias.Name))
            return QString::fromLatin1(alias.Family);
    return {};
}

bool IsInstalledFace(const QString& name)
{
    return FaceOfName(name) != nullptr;
}

std::shared_ptr<const TFontFace> ResolveFace(const QString& name)
{
    if (auto face = FaceOfName(name))
        return face;
    for (const QString& fallback : FallbackFonts())
        if (auto face = FaceOfName(fallback))
            return face;
    static const std::shared_ptr<const TFontFace> anyFace = [] {
        for (const QString& family : InstalledOutlineFamilies())
            if (auto face = InstalledFace(family))
                return face;
        return std::shared_ptr<const TFontFace>();
    }();
    return anyFace;
}

std::shared_ptr<const TFontFace> CharacterFallbackFace()
{
    return InstalledFace(QString::fromLatin1(kCharacterFallbackFamily));
}

int FaceCharset(const QString& name)
{
    const auto face = ResolveFace(name);
    return static_cast<int>(face ? face->Charset() : TFaceCharset::Ansi);
}

QStringList AvailableFontNames()
{
    std::set<QString> names;
    for (const QString& family : InstalledOutlineFamilies())
        if (!family.startsWith(QLatin1Char('@')))
            names.insert(family);
    for (const Alias& alias : kAliases)
        names.insert(QString::fromUtf16(alias.Name));
    return QStringList(names.begin(), names.end());
}
