#pragma once
// From the face names that documents carry to installed faces. A name is looked up in the
// alias table first (the face names of the system the documents were made on, mapped onto
// Debian's IPA faces), then as an installed outline family, and a name found neither way
// falls back along FallbackFonts. The stored name never changes: only the face used for
// measuring and painting does.
#include "platform/fonts/font_face.h"

#include <QString>
#include <QStringList>
#include <memory>

// The face names tried in order when a face is missing.
const QStringList& FallbackFonts();

// The installed family an alias stands for, or an empty string for a name without alias.
QString AliasedFamily(const QString& name);

// Whether the name is an alias or an installed outline family.
bool IsInstalledFace(const QString& name);

// The face to measure and paint a face name with: the name itself (through its alias) when
// installed, else the first installed of FallbackFonts, else any installed outline face.
// nullptr only when no outline face is installed at all.
std::shared_ptr<const TFontFace> ResolveFace(const QString& name);

// The face that supplies characters the resolved face lacks (IPAPGothic), or nullptr.
std::shared_ptr<const TFontFace> CharacterFallbackFace();

// The charset the face a name resolves to reports (ANSI when nothing is installed).
int FaceCharset(const QString& name);

// The face names a font picker offers: every installed outline family name and every alias
// name, without repeats and without vertical variants (names starting with "@").
QStringList AvailableFontNames();
