#include "music/tags/tag_text.h"

#include "platform/shift_jis.h"

namespace {

QString StripTrailing(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= 0x20)
        --end;
    text.truncate(end);
    return text;
}

QByteArrayView UpToNul(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.first(nul);
}

// UTF-16 text up to the first NUL code unit; bigEndian unless a byte-order mark says
// otherwise (the mark itself is dropped).
QString Utf16Text(QByteArrayView bytes, bool bigEndian)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    qsizetype start = 0;
    if (bytes.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE) {
        bigEndian = false;
        start = 2;
    } else if (bytes.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF) {
        bigEndian = true;
        start = 2;
    }
    QString text;
    for (qsizetype i = start; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = bigEndian ? static_cast<char16_t>(byte(i) << 8 | byte(i + 1))
                                        : static_cast<char16_t>(byte(i + 1) << 8 | byte(i));
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace

QString SingleByteTagText(QByteArrayView bytes)
{
    const QByteArrayView text = UpToNul(bytes);
    const QString shiftJis = DecodeShiftJIS(text);
    if (!shiftJis.contains(QChar::ReplacementCharacter))
        return StripTrailing(shiftJis);
    return StripTrailing(QString::fromLatin1(text.data(), text.size()));
}

QString Id3v2FrameText(QByteArrayView body)
{
    if (body.isEmpty())
        return {};
    const QByteArrayView text = body.sliced(1);
    switch (static_cast<unsigned char>(body[0])) {
    case 1:
        return StripTrailing(Utf16Text(text, false));
    case 2:
        return StripTrailing(Utf16Text(text, true));
    case 3:
        return StripTrailing(QString::fromUtf8(UpToNul(text)));
    default:
        return SingleByteTagText(text);
    }
}
