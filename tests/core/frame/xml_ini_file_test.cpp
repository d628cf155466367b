#include "core/error.h"
#include "core/frame/xml_ini_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(XMLIniFile, RoundTripInShiftJISWithTypedValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printers.xml"));
    {
        TXMLIniFile file(path);
        TXMLIniSection printer = file.OpenSection(QStringLiteral("\\Printers\\エプソン"), true);
        printer.WriteString(QStringLiteral("Name"), QStringLiteral("ディスク €"));
        printer.WriteInteger(QStringLiteral("OffsetX"), -15);
        printer.WriteFloat(QStringLiteral("Gamma"), 1.8);
        printer.WriteBool(QStringLiteral("Hub"), true);
        printer.WriteDate(QStringLiteral("Since"), QDate(2026, 12, 10));
        file.Save();
    }
    const QByteArray bytes = [&] {
        QFile raw(path);
        raw.open(QIODevice::ReadOnly);
        return raw.readAll();
    }();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"));
    EXPECT_TRUE(bytes.contains("&#x20ac;"));
    EXPECT_TRUE(bytes.contains("\x83\x47\x83\x76\x83\x5c\x83\x93")); // エプソン in Shift-JIS

    TXMLIniFile file(path);
    const TXMLIniSection printer = file.OpenSection(QStringLiteral("Printers\\エプソン"), false);
    ASSERT_FALSE(printer.IsNull());
    EXPECT_EQ(printer.ReadString(QStringLiteral("Name")), QStringLiteral("ディスク €"));
    EXPECT_EQ(printer.ReadInteger(QStringLiteral("OffsetX"), 0), -15);
    EXPECT_DOUBLE_EQ(printer.ReadFloat(QStringLiteral("Gamma"), 0), 1.8);
    EXPECT_TRUE(printer.ReadBool(QStringLiteral("Hub"), false));
    EXPECT_EQ(printer.ReadDate(QStringLiteral("Since"), {}), QDate(2026, 12, 10));
    EXPECT_EQ(printer.ReadInteger(QStringLiteral("Name"), 42), 42);
    EXPECT_EQ(printer.ReadInteger(QStringLiteral("Missing"), 7), 7);
    EXPECT_TRUE(file.OpenSection(QStringLiteral("Printers\\キヤノン"), false).IsNull());
    EXPECT_EQ(file.Root().Name(), QStringLiteral("root"));
}

TEST(XMLIniFile, SectionsClearAndCopyOrder)
{
    TXMLIniFile file;
    TXMLIniSection target = file.OpenSection(QStringLiteral("Target"), true);
    target.WriteString(QStringLiteral("keep"), QStringLiteral("t"));
    target.WriteString(QStringLiteral("shared"), QStringLiteral("old"));
    file.OpenSection(QStringLiteral("Target\\Item"), true).WriteString(QStringLiteral("id"), QStringLiteral("t1"));
    TXMLIniSection source = file.OpenSection(QStringLiteral("Source"), true);
    source.WriteString(QStringLiteral("shared"), QStringLiteral("new"));
    for (const char* id : {"s1", "s2"}) {
        QDomElement item = source.Element().ownerDocument().createElement(QStringLiteral("Item"));
        item.setAttribute(QStringLiteral("id"), QString::fromLatin1(id));
        source.Element().appendChild(item);
    }
    target.CopyFrom(source);
    QStringList ids;
    for (const TXMLIniSection& item : target.Sections(QStringLiteral("Item")))
        ids << item.ReadString(QStringLiteral("id"));
    EXPECT_EQ(ids, (QStringList{QStringLiteral("t1"), QStringLiteral("s2"), QStringLiteral("s1")}));
    EXPECT_EQ(target.ReadString(QStringLiteral("shared")), QStringLiteral("new"));
    EXPECT_EQ(target.ReadString(QStringLiteral("keep")), QStringLiteral("t"));
    source.Clear();
    EXPECT_TRUE(source.ValueNames().isEmpty());
    EXPECT_TRUE(source.Sections(QStringLiteral("Item")).empty());
}

TEST(XMLIniFile, MalformedDocumentIsRefused)
{
    TXMLIniFile file;
    EXPECT_THROW(file.LoadFromBytes("<root><open></root>"), EAppError);
    EXPECT_EQ(file.Root().Name(), QStringLiteral("root"));
}

TEST(XMLIniFile, SavedDocumentsReadBackOrTheSaveIsRefused)
{
    // Text without a Shift-JIS form travels as character references, in a CDATA section too.
    TXMLIniFile file;
    file.LoadFromBytes(QStringLiteral("<root v=\"\U0001F600\"><s><![CDATA[a\U0001F600<b>]]></s></root>").toUtf8());
    TXMLIniFile reloaded;
    reloaded.LoadFromBytes(file.ToBytes());
    EXPECT_EQ(reloaded.Root().ReadString(QStringLiteral("v")), QStringLiteral("\U0001F600"));
    EXPECT_EQ(reloaded.Root().Element().firstChildElement().text(), QStringLiteral("a\U0001F600<b>"));

    // Names and comments cannot hold character references, and a processing instruction the
    // parser let through would not read back: saving them fails.
    for (const char* document : {"<root a\xC3\xBC=\"1\"/>", "<root><x\xC3\xBC/></root>",
                                 "<root><!-- \xF0\x9F\x98\x80 --></root>", "<root><?pi$data?></root>"}) {
        TXMLIniFile named;
        named.LoadFromBytes(document);
        EXPECT_THROW(named.ToBytes(), EAppError) << document;
    }
    // Nor can a value hold a control character: the file would no longer read.
    TXMLIniFile control;
    control.Root().WriteString(QStringLiteral("v"), QStringLiteral("a\x01"));
    EXPECT_THROW(control.ToBytes(), EAppError);
}
