#pragma once
// The installed outline fonts as fontconfig knows them. A family is found only by one of
// its own names (any localized name, case and blanks ignored): a best-match query always
// answers some font and would hide that the family is missing.
#include <QString>
#include <QStringList>
#include <optional>

// One face inside a font file.
struct TFontFileRef {
    QString Path;
    int Index = 0;

    friend bool operator==(const TFontFileRef&, const TFontFileRef&) = default;
};

// The regular face of an installed outline family named exactly so, or nothing.
std::optional<TFontFileRef> FindOutlineFace(const QString& family);

// Every name of every installed outline family (each family's names in fontconfig's order),
// without repeats, sorted.
QStringList InstalledOutlineFamilies();
