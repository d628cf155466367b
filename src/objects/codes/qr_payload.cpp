#include "objects/codes/qr_payload.h"

#include "platform/shift_jis.h"
#include "text/kana_conversions.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// "Key" + value + ";" for a field that is set.
void AddRecord(QString& body, const char* key, const QString& value)
{
    if (!value.isEmpty())
        body += QLatin1String(key) + EscapeMECARD(value) + QLatin1Char(';');
}

// The name or its reading, split in two parts when asked and possible.
void AddNameRecord(QString& body, const char* key, const QString& value, bool split)
{
    if (value.isEmpty())
        return;
    if (split)
        if (const auto parts = SplitName(value)) {
            body += QLatin1String(key) + EscapeMECARD(parts->first) + QLatin1Char(',') + EscapeMECARD(parts->second) +
                    QLatin1Char(';');
            return;
        }
    AddRecord(body, key, value);
}

// One line of a memory entry; a line break typed into a one-line field would end the
// line early and start a foreign key, so CR and LF are left out.
void AddLine(QString& body, const char* key, QString value)
{
    value.remove(QLatin1Char('\r'));
    value.remove(QLatin1Char('\n'));
    if (!value.isEmpty())
        body += QLatin1String(key) + value + kCrLf;
}

QString Reading(const TQRFields& fields)
{
    return fields.FuriganaHankaku ? ZenToHanConvert(fields.Furigana) : fields.Furigana;
}

QString FreeText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + kCrLf;
    return text;
}

QString DoCoMoPayload(const TQRFields& fields)
{
    QString body;
    switch (fields.Kind) {
    case sqkTel:
        AddNameRecord(body, "N:", fields.Name, fields.NameCommaDevide);
        AddNameRecord(body, "SOUND:", Reading(fields), fields.NameCommaDevide);
        AddRecord(body, "TEL:", fields.Tel1);
        AddRecord(body, "TEL:", fields.Tel2);
        AddRecord(body, "EMAIL:", fields.Email1);
        AddRecord(body, "EMAIL:", fields.Email2);
        return body.isEmpty() ? QString() : QStringLiteral("MECARD:") + body + QLatin1Char(';');
    case sqkURL:
        AddRecord(body, "TITLE:", fields.UrlTitle);
        AddRecord(body, "URL:", fields.Url);
        return body.isEmpty() ? QString() : QStringLiteral("MEBKM:") + body + QLatin1Char(';');
    case sqkTEXT:
        break;
    }
    return FreeText(fields.Text);
}

QString VodafonePayload(const TQRFields& fields)
{
    switch (fields.Kind) {
    case sqkTel: {
        QString body;
        AddLine(body, "NAME1:", fields.Name);
        AddLine(body, "NAME2:", Reading(fields));
        AddLine(body, "TEL1:", fields.Tel1);
        AddLine(body, "TEL2:", fields.Tel2);
        AddLine(body, "MAIL1:", fields.Email1);
        AddLine(body, "MAIL2:", fields.Email2);
        return body.isEmpty() ? QString() : QStringLiteral("MEMORY:") + kCrLf + body;
    }
    case sqkURL: {
        const QString address = ZenToHanConvert(fields.Url);
        if (address.startsWith(QLatin1String("HTTP://"), Qt::CaseInsensitive) ||
            address.startsWith(QLatin1String("HTTPS://"), Qt::CaseInsensitive))
            return address;
        return QStringLiteral("http://") + address;
    }
    case sqkTEXT:
        break;
    }
    return FreeText(fields.Text);
}

} // namespace

QString EscapeMECARD(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char(':') || c == QLatin1Char(';') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

std::optional<std::pair<QString, QString>> SplitName(const QString& text)
{
    QStringList tokens;
    QString token;
    bool quoted = false;
    // Only control characters and half-width spaces are trimmed, as they alone separate.
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= ' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= ' ')
        --end;
    for (const QChar c : QStringView(text).mid(begin, end - begin)) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(' ') && !quoted) {
            if (!token.isEmpty())
                tokens << token;
            token.clear();
            continue;
        }
        token += c;
    }
    if (!token.isEmpty())
        tokens << token;
    if (tokens.size() < 2)
        return std::nullopt;
    const QString first = tokens.takeFirst();
    return std::pair{first, tokens.join(QLatin1Char(' '))};
}

std::optional<QString> BuildPayloadText(const TQRFields& fields)
{
    switch (fields.Type) {
    case sqtDoCoMo:
        return DoCoMoPayload(fields);
    case sqtVodafone:
        return VodafonePayload(fields);
    case sqtAU:
        break;
    }
    return std::nullopt;
}

TQRPayload EncodePayload(const QString& text)
{
    TQRPayload payload;
    if (std::optional<QByteArray> bytes = EncodeShiftJIS(text, &payload.Unmappable))
        payload.Bytes = *bytes;
    return payload;
}
