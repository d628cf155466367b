// Fuzzes the XML settings document: the input is a document's bytes (Shift-JIS when its
// declaration says so). A document that loads is walked (every section, every value read
// as each type), a section is copied into another, and the document is saved to bytes;
// those bytes must load again with the same sections and values, or the save must refuse.
// Every failure must be an error text.
#include "core/error.h"
#include "core/frame/xml_ini_file.h"

#include <cstdint>

namespace {

void Walk(const TXMLIniSection& section, int depth)
{
    for (const QString& name : section.ValueNames()) {
        section.ReadString(name);
        section.ReadInteger(name, 0);
        section.ReadFloat(name, 0);
        section.ReadBool(name, false);
        section.ReadDate(name, {});
        section.ReadDateTime(name, {});
    }
    if (depth == 0)
        return;
    for (QDomElement child = section.Element().firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        for (const TXMLIniSection& named : section.Sections(child.tagName()))
            Walk(named, depth - 1);
}

// Whether two elements hold the same settings: names, values and child elements in order.
// (Text between elements is no setting; the saved indentation may add white space to it.)
bool SameSettings(const QDomElement& a, const QDomElement& b)
{
    if (a.tagName() != b.tagName() || a.attributes().count() != b.attributes().count())
        return false;
    const QDomNamedNodeMap attributes = a.attributes();
    for (int i = 0; i < attributes.count(); ++i)
        if (b.attribute(attributes.item(i).nodeName(), QStringLiteral("\x01")) != attributes.item(i).nodeValue())
            return false;
    QDomElement x = a.firstChildElement();
    QDomElement y = b.firstChildElement();
    for (; !x.isNull() && !y.isNull(); x = x.nextSiblingElement(), y = y.nextSiblingElement())
        if (!SameSettings(x, y))
            return false;
    return x.isNull() && y.isNull();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TXMLIniFile file;
    try {
        file.LoadFromBytes(bytes);
    } catch (const EAppError&) {
        return 0;
    }
    Walk(file.Root(), 8);
    const QDomElement first = file.Root().Element().firstChildElement();
    if (!first.isNull()) {
        TXMLIniSection copy = file.OpenSection(QStringLiteral("FuzzCopy\\") + first.tagName(), true);
        copy.CopyFrom(TXMLIniSection(first));
    }
    QByteArray saved;
    try {
        saved = file.ToBytes();
    } catch (const EAppError&) {
        return 0; // names that Shift-JIS cannot write
    }
    TXMLIniFile reloaded;
    try {
        reloaded.LoadFromBytes(saved);
    } catch (const EAppError&) {
        __builtin_trap(); // a saved document must load again
    }
    if (!SameSettings(file.Root().Element(), reloaded.Root().Element()))
        __builtin_trap();
    return 0;
}
