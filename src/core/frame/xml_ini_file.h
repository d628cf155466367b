#pragma once
// An XML settings document: sections are elements addressed by "\"-separated paths below
// the document element "root", values are attributes of a section. Files are written
// with the declaration encoding "Shift_JIS"; characters without a Shift-JIS form are
// written as character references, so nothing is lost.
#include <QDate>
#include <QDateTime>
#include <QDomDocument>
#include <QDomElement>
#include <QString>
#include <QStringList>
#include <vector>

class TXMLIniSection {
public:
    TXMLIniSection() = default;
    explicit TXMLIniSection(const QDomElement& element) : element_(element) {}

    bool IsNull() const { return element_.isNull(); }
    QString Name() const { return element_.tagName(); }
    QDomElement Element() const { return element_; }

    QString ReadString(const QString& name, const QString& defaultValue = {}) const;
    int ReadInteger(const QString& name, int defaultValue) const;
    double ReadFloat(const QString& name, double defaultValue) const;
    bool ReadBool(const QString& name, bool defaultValue) const;
    QDate ReadDate(const QString& name, const QDate& defaultValue) const;
    QDateTime ReadDateTime(const QString& name, const QDateTime& defaultValue) const;
    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, int value);
    void WriteFloat(const QString& name, double value);
    void WriteBool(const QString& name, bool value);
    void WriteDate(const QString& name, const QDate& value);
    void WriteDateTime(const QString& name, const QDateTime& value);
    bool ValueExists(const QString& name) const;
    void DeleteValue(const QString& name);

    // The child elements of one name, in document order.
    std::vector<TXMLIniSection> Sections(const QString& childName) const;
    QStringList ValueNames() const;
    // Removes every child node and every attribute.
    void Clear();
    // Appends deep copies of the source's child nodes, taken from the last to the first,
    // then copies the source's attributes (replacing those of the same name).
    void CopyFrom(const TXMLIniSection& source);

private:
    QDomElement element_;
};

class TXMLIniFile {
public:
    TXMLIniFile();
    // Loads the file when it exists.
    explicit TXMLIniFile(const QString& fileName);

    QString FileName() const { return fileName_; }
    // Reads the file if it exists; a missing file leaves an empty document. Raises an
    // error for a file that is not an XML document.
    void Load(const QString& fileName);
    // Writes the document (to the file it was loaded from when none is given), atomically.
    void Save(const QString& fileName = {});
    // The document as it is saved, in Shift-JIS bytes. Raises an error when a name, a
    // comment or a processing instruction holds a character without a Shift-JIS form, or
    // any text a character that no XML document can hold.
    QByteArray ToBytes() const;
    void LoadFromBytes(const QByteArray& bytes);

    TXMLIniSection Root() const;
    // The section at a "\"-separated path (a leading "\" starts at the document element,
    // as does any path); with create, missing elements are created, otherwise a missing
    // section is null.
    TXMLIniSection OpenSection(const QString& path, bool create);

private:
    void EnsureRoot();

    QString fileName_;
    QDomDocument document_;
};
