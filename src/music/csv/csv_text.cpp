#include "music/csv/csv_text.h"

#include "platform/shift_jis.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

} // namespace

QString DecodeCsvBytes(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        return QString::fromUtf8(bytes.sliced(kUtf8Mark.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeShiftJIS(bytes);
}

std::optional<QByteArray> EncodeCsvText(const QString& text, bool utf8)
{
    if (utf8)
        return kUtf8Mark + text.toUtf8();
    return EncodeShiftJIS(text);
}

QStringList CsvTextLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}
