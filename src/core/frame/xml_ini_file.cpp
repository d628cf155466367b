#include "core/frame/xml_ini_file.h"

#include "core/error.h"
#include "platform/shift_jis.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

const QString kRootName = QStringLiteral("root");
const QString kDateFormat = QStringLiteral("yyyy/MM/dd");
const QString kDateTimeFormat = QStringLiteral("yyyy/MM/dd HH:mm:ss");

// The document's text in Shift-JIS, with a character reference for each character that
// has no Shift-JIS form.
QByteArray EncodeDocument(const QString& text)
{
    if (const auto bytes = EncodeShiftJIS(text))
        return *bytes;
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, length);
        if (const auto bytes = EncodeShiftJIS(character))
            out += *bytes;
        else
            out += "&#x" + QByteArray::number(character.toUcs4().value(0), 16) + ';';
        i += length - 1;
    }
    return out;
}

// Whether every character of the text is one an XML document can hold at all (tab, line
// breaks and the printable ranges; no other control characters, no lone surrogates).
bool XMLCanHold(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
            ++i;
        else if ((c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D) || QChar::isSurrogate(c) || c >= 0xFFFE)
            return false;
    }
    return true;
}

// Checks the document before it is written in Shift-JIS. Character references stand for
// characters only in text and attribute values: a CDATA section that holds characters
// without a Shift-JIS form becomes a text node, which readers see as the same text. Names,
// comments and processing instructions with such characters, and characters no XML
// document can hold, cannot be written: saving them fails rather than writing a document
// that no longer reads back as it was.
void PrepareForShiftJIS(QDomNode node)
{
    const auto refuse = [](const QString& text, bool referencesAllowed) {
        if (!XMLCanHold(text) || (!referencesAllowed && !FitsShiftJIS(text)))
            throw EAppError(QStringLiteral("XML の保存に失敗しました: 「%1」は Shift-JIS の XML で表せません").arg(text));
    };
    for (QDomNode child = node.firstChild(); !child.isNull();) {
        QDomNode next = child.nextSibling();
        if (child.isCDATASection() || child.isText()) {
            refuse(child.nodeValue(), true);
            if (child.isCDATASection() && !FitsShiftJIS(child.nodeValue()))
                node.replaceChild(node.ownerDocument().createTextNode(child.nodeValue()), child);
        } else if (child.isElement()) {
            refuse(child.nodeName(), false);
            const QDomNamedNodeMap attributes = child.attributes();
            for (int i = 0; i < attributes.count(); ++i) {
                refuse(attributes.item(i).nodeName(), false);
                refuse(attributes.item(i).nodeValue(), true);
            }
            PrepareForShiftJIS(child);
        } else if (child.isComment() || child.isProcessingInstruction()) {
            refuse(child.nodeName() + child.nodeValue(), false);
        }
        child = next;
    }
}

QString DecodeDocument(const QByteArray& bytes)
{
    static const QRegularExpression declaration(QStringLiteral("^<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
    const QString head = QString::fromLatin1(bytes.left(200));
    const QRegularExpressionMatch match = declaration.match(head);
    const QString encoding = match.hasMatch() ? match.captured(1).toLower() : QString();
    if (encoding == QLatin1String("shift_jis") || encoding == QLatin1String("windows-31j") ||
        encoding == QLatin1String("cp932") || encoding == QLatin1String("sjis"))
        return DecodeShiftJIS(bytes);
    return QString::fromUtf8(bytes);
}

} // namespace

QString TXMLIniSection::ReadString(const QString& name, const QString& defaultValue) const
{
    return element_.hasAttribute(name) ? element_.attribute(name) : defaultValue;
}

int TXMLIniSection::ReadInteger(const QString& name, int defaultValue) const
{
    bool ok = false;
    const int value = element_.attribute(name).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

double TXMLIniSection::ReadFloat(const QString& name, double defaultValue) const
{
    bool ok = false;
    const double value = element_.attribute(name).trimmed().toDouble(&ok);
    return ok ? value : defaultValue;
}

bool TXMLIniSection::ReadBool(const QString& name, bool defaultValue) const
{
    const QString text = element_.attribute(name).trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
        return false;
    return defaultValue;
}

QDate TXMLIniSection::ReadDate(const QString& name, const QDate& defaultValue) const
{
    const QString text = element_.attribute(name).trimmed();
    QDate date = QDate::fromString(text, kDateFormat);
    if (!date.isValid())
        date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? date : defaultValue;
}

QDateTime TXMLIniSection::ReadDateTime(const QString& name, const QDateTime& defaultValue) const
{
    const QString text = element_.attribute(name).trimmed();
    QDateTime time = QDateTime::fromString(text, kDateTimeFormat);
    if (!time.isValid())
        time = QDateTime::fromString(text, Qt::ISODate);
    return time.isValid() ? time : defaultValue;
}

void TXMLIniSection::WriteString(const QString& name, const QString& value)
{
    element_.setAttribute(name, value);
}

void TXMLIniSection::WriteInteger(const QString& name, int value)
{
    element_.setAttribute(name, QString::number(value));
}

void TXMLIniSection::WriteFloat(const QString& name, double value)
{
    element_.setAttribute(name, QString::number(value, 'g', 17));
}

void TXMLIniSection::WriteBool(const QString& name, bool value)
{
    element_.setAttribute(name, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void TXMLIniSection::WriteDate(const QString& name, const QDate& value)
{
    element_.setAttribute(name, value.toString(kDateFormat));
}

void TXMLIniSection::WriteDateTime(const QString& name, const QDateTime& value)
{
    element_.setAttribute(name, value.toString(kDateTimeFormat));
}

bool TXMLIniSection::ValueExists(const QString& name) const
{
    return element_.hasAttribute(name);
}

void TXMLIniSection::DeleteValue(const QString& name)
{
    element_.removeAttribute(name);
}

std::vector<TXMLIniSection> TXMLIniSection::Sections(const QString& childName) const
{
    std::vector<TXMLIniSection> sections;
    for (QDomElement child = element_.firstChildElement(childName); !child.isNull();
         child = child.nextSiblingElement(childName))
        sections.emplace_back(child);
    return sections;
}

QStringList TXMLIniSection::ValueNames() const
{
    QStringList names;
    const QDomNamedNodeMap attributes = element_.attributes();
    for (int i = 0; i < attributes.count(); ++i)
        names << attributes.item(i).nodeName();
    return names;
}

void TXMLIniSection::Clear()
{
    while (!element_.firstChild().isNull())
        element_.removeChild(element_.firstChild());
    for (const QString& name : ValueNames())
        element_.removeAttribute(name);
}

void TXMLIniSection::CopyFrom(const TXMLIniSection& source)
{
    for (QDomNode child = source.element_.lastChild(); !child.isNull(); child = child.previousSibling())
        element_.appendChild(child.cloneNode(true));
    const QDomNamedNodeMap attributes = source.element_.attributes();
    for (int i = 0; i < attributes.count(); ++i)
        element_.setAttribute(attributes.item(i).nodeName(), attributes.item(i).nodeValue());
}

TXMLIniFile::TXMLIniFile()
{
    EnsureRoot();
}

TXMLIniFile::TXMLIniFile(const QString& fileName)
{
    Load(fileName);
}

void TXMLIniFile::Load(const QString& fileName)
{
    fileName_ = fileName;
    document_ = QDomDocument();
    QFile file(fileName);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw EAppError(QStringLiteral("ファイル「%1」を開けません").arg(fileName));
        LoadFromBytes(file.readAll());
    }
    EnsureRoot();
}

void TXMLIniFile::LoadFromBytes(const QByteArray& bytes)
{
    QDomDocument document;
    QString message;
    int line = 0;
    if (!document.setContent(DecodeDocument(bytes), &message, &line))
        throw EAppError(QStringLiteral("XML の形式が正しくありません（%1行目）: %2").arg(line).arg(message));
    document_ = document;
    EnsureRoot();
}

void TXMLIniFile::EnsureRoot()
{
    if (document_.documentElement().isNull())
        document_.appendChild(document_.createElement(kRootName));
}

TXMLIniSection TXMLIniFile::Root() const
{
    return TXMLIniSection(document_.documentElement());
}

TXMLIniSection TXMLIniFile::OpenSection(const QString& path, bool create)
{
    QDomElement element = document_.documentElement();
    for (const QString& name : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        QDomElement child = element.firstChildElement(name);
        if (child.isNull()) {
            if (!create)
                return {};
            child = document_.createElement(name);
            element.appendChild(child);
        }
        element = child;
    }
    return TXMLIniSection(element);
}

QByteArray TXMLIniFile::ToBytes() const
{
    QDomDocument copy = document_.cloneNode(true).toDocument();
    const QDomNode first = copy.firstChild();
    const QDomNode declaration =
        copy.createProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"Shift_JIS\""));
    if (first.isProcessingInstruction())
        copy.replaceChild(declaration, first);
    else
        copy.insertBefore(declaration, first);
    PrepareForShiftJIS(copy);
    const QByteArray bytes = EncodeDocument(copy.toString(1));
    // The parser accepts a few forms (processing instructions, mostly) that it does not
    // read back once written: such a document is refused rather than saved unreadable.
    if (!QDomDocument().setContent(DecodeDocument(bytes)))
        throw EAppError(QStringLiteral("XML の保存に失敗しました"));
    return bytes;
}

void TXMLIniFile::Save(const QString& fileName)
{
    const QString target = fileName.isEmpty() ? fileName_ : fileName;
    QSaveFile file(target);
    const QByteArray bytes = ToBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EAppError(QStringLiteral("ファイル「%1」を保存できません").arg(target));
}
