#pragma once
// INI texts: the shipped collections (layouts, frame and shade lists, effect presets,
// identifier lists) and the printer media rules of the paper database: sections in square brackets and key=value lines, in Shift-JIS, kept in
// file order. Names compare without regard to case and the first of duplicate names wins;
// lines that are neither (comments starting with ";" or "#", blank lines, text before the first
// section) are ignored, as the ordinary INI reader ignores them.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

inline constexpr qint64 kMaxIniFileBytes = 4 * 1024 * 1024;

class TIniText {
public:
    struct Section {
        QString Name;
        std::vector<std::pair<QString, QString>> Values;
    };

    // From Shift-JIS bytes.
    static TIniText Parse(const QByteArray& bytes);
    // From lines already decoded.
    static TIniText FromLines(const QStringList& lines);
    // Reads the file; a missing or unreadable file, or one larger than kMaxIniFileBytes,
    // gives no sections.
    static TIniText Load(const QString& path);

    const std::vector<Section>& Sections() const { return sections_; }
    QStringList SectionNames() const;
    const Section* Find(const QString& section) const;
    // The key names of a section in file order (empty for an unknown section).
    QStringList Keys(const QString& section) const;
    bool HasKey(const QString& section, const QString& key) const;
    QString Value(const QString& section, const QString& key, const QString& fallback = {}) const;
    // The integer value of the key (decimal, or hexadecimal after "0x" or "$"); the fallback
    // when it is missing or not a number.
    int Integer(const QString& section, const QString& key, int fallback) const;

    void SetValue(const QString& section, const QString& key, const QString& value);
    // The text in Shift-JIS with CR LF line ends; nothing when a name or value holds a
    // character Shift-JIS has no form for.
    std::optional<QByteArray> ToBytes() const;

private:
    std::vector<Section> sections_;
};

// The value of a key inside one section (case-insensitive), or null.
const QString* IniValue(const TIniText::Section& section, const QString& key);
// A number as INI files hold them (decimal, "0x" or "$" hexadecimal); nothing when it is not one.
bool ParseIniInteger(const QString& text, int& value);
