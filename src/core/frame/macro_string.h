#pragma once
// Macros: every file name, registry key, caption and message of the program is written as
// text with "$(name)" and "$(name:format)" references that are expanded at use.
#include "core/persistent/string_list.h"

#include <QStringList>

class TMacroString : public TStringList {
    LR_CLASS(TMacroString, TStringList)
public:
    TMacroString() = default;

    // The value of a macro (names compare case-insensitively), or an empty text.
    QString Value(const QString& name) const;
    // Sets a macro, adding it when it is new.
    void SetValue(const QString& name, const QString& value);

    // Expands every macro of the text. Raises the macro errors: an empty or unclosed
    // macro, a circular reference, an undefined macro, an undefined format.
    QString Expand(const QString& text);

    // Whether a value enclosed in double quotes loses them (true by default).
    bool StripQuotes() const { return stripQuotes_; }
    void SetStripQuotes(bool strip) { stripQuotes_ = strip; }

private:
    QString ExpandMacro(const QString& inner);
    QString Stripped(const QString& text) const;

    QStringList stack_;
    bool stripQuotes_ = true;
};

// The application's macro table, installed by the application frame (nullptr before).
TMacroString* ApplicationMacros();
void SetApplicationMacros(TMacroString* macros);

// Expands the text with the application's macros; returns it unchanged when there are none.
QString Expand(const QString& text);
