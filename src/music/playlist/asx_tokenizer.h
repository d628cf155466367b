#pragma once
// The tokens of one line of an ASX playlist, taken off the front of the text one at a time.
#include <QString>

class TAsxTokenizer {
public:
    explicit TAsxTokenizer(const QString& line) : text_(line) {}

    // The next token after the leading blanks (control characters, spaces and full-width
    // spaces), or an empty text at the end of the line.
    QString Next();
    // The text not yet taken, as it stands.
    QString Rest() const;

private:
    void SkipBlanks();
    // The end of the token that starts at pos_.
    qsizetype TokenEnd() const;

    QString text_;
    qsizetype pos_ = 0;
};

// Whether the character is a blank that ASX lines and tokens skip.
bool IsAsxBlank(QChar c);
