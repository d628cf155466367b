#include "music/playlist/asx_tokenizer.h"

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool IsHexDigit(QChar c)
{
    return IsAsciiDigit(c) || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
}

} // namespace

bool IsAsxBlank(QChar c)
{
    return c.unicode() <= 0x20 || c == QChar(0x3000);
}

void TAsxTokenizer::SkipBlanks()
{
    while (pos_ < text_.size() && IsAsxBlank(text_[pos_]))
        ++pos_;
}

qsizetype TAsxTokenizer::TokenEnd() const
{
    const qsizetype size = text_.size();
    const auto at = [&](qsizetype i) { return i < size ? text_[i] : QChar(); };
    qsizetype i = pos_;
    const QChar first = text_[i++];
    if (first == QLatin1Char('"') || first == QLatin1Char('\'')) {
        const qsizetype close = text_.indexOf(first, i);
        return close < 0 ? size : close + 1;
    }
    if (first == QLatin1Char('$')) {
        while (i < size && IsHexDigit(text_[i]))
            ++i;
        return i;
    }
    if (IsAsciiDigit(first)) {
        while (IsAsciiDigit(at(i)))
            ++i;
        if (at(i) == QLatin1Char('.') && IsAsciiDigit(at(i + 1))) {
            i += 2;
            while (IsAsciiDigit(at(i)))
                ++i;
        }
        if (at(i).toLower() == QLatin1Char('e')) {
            qsizetype j = i + 1;
            if (at(j) == QLatin1Char('+') || at(j) == QLatin1Char('-'))
                ++j;
            if (IsAsciiDigit(at(j))) {
                while (IsAsciiDigit(at(j)))
                    ++j;
                i = j;
            }
        }
        return i;
    }
    if (first == QLatin1Char('<'))
        return at(i) == QLatin1Char('>') || at(i) == QLatin1Char('=') ? i + 1 : i;
    if (first == QLatin1Char('>'))
        return at(i) == QLatin1Char('=') ? i + 1 : i;
    if (IsAsciiLetter(first) || first == QLatin1Char('_')) {
        while (IsAsciiLetter(at(i)) || IsAsciiDigit(at(i)) || at(i) == QLatin1Char('_'))
            ++i;
        return i;
    }
    if (first.isHighSurrogate() && i < size && text_[i].isLowSurrogate())
        ++i;
    return i;
}

QString TAsxTokenizer::Next()
{
    SkipBlanks();
    if (pos_ >= text_.size())
        return {};
    const qsizetype end = TokenEnd();
    const QString token = text_.mid(pos_, end - pos_);
    pos_ = end;
    return token;
}

QString TAsxTokenizer::Rest() const
{
    return text_.mid(pos_);
}
