#pragma once
// The payloads of the standard QR objects: phone-book entries, bookmarks and free text in
// the formats the two families of mobile phones read ("MECARD"/"MEBKM" records with
// backslash escapes, or "MEMORY" entries of CR LF separated lines and plain addresses).
// Texts are built and escaped character by character and only then encoded as Shift-JIS,
// so that the second byte of a double-byte character is never taken for a delimiter.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

enum TStdQRType { sqtDoCoMo = 0, sqtVodafone = 1, sqtAU = 2 };
enum TStdQRKind { sqkTel = 0, sqkURL = 1, sqkTEXT = 2 };

// The typed fields a payload is built from.
struct TQRFields {
    TStdQRType Type = sqtDoCoMo;
    TStdQRKind Kind = sqkTel;
    bool NameCommaDevide = false;
    bool FuriganaHankaku = true;
    QString Name;
    QString Furigana;
    QString Tel1;
    QString Tel2;
    QString Email1;
    QString Email2;
    QString UrlTitle;
    QString Url;
    QStringList Text;
};

// A backslash before every "," ":" ";" and "\".
QString EscapeMECARD(const QString& text);

// The text trimmed and cut at half-width spaces (runs count as one; a full-width space
// does not cut; a double-quoted stretch is not cut, its quotes kept): the first token and
// the remaining tokens joined by single spaces; nothing with fewer than two tokens.
std::optional<std::pair<QString, QString>> SplitName(const QString& text);

// The payload text for the fields; nothing for sqtAU, whose payload is never built.
std::optional<QString> BuildPayloadText(const TQRFields& fields);

// The result of building the payload bytes.
struct TQRPayload {
    QByteArray Bytes;
    // Characters of the text without a Shift-JIS form (each once); Bytes is then empty.
    QString Unmappable;
};

// The payload text encoded as Shift-JIS.
TQRPayload EncodePayload(const QString& text);
