#pragma once
// A read-only INI file as the shipped collection lists use it: "[section]" lines and
// "key=value" lines in Shift-JIS, read once. Sections and keys keep their file order;
// names compare case-insensitively, and the first of duplicate names wins. Lines that are
// neither (comments starting with ";", blank lines, text before the first section) are
// ignored. A missing or unreadable file, or one larger than kMaxIniFileBytes, reads as empty.
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

inline constexpr qint64 kMaxIniFileBytes = 4 * 1024 * 1024;

class TIniFile {
public:
    explicit TIniFile(const QString& path);
    // From the file's bytes.
    static TIniFile FromBytes(const QByteArray& bytes);

    QStringList ReadSections() const;
    // The key names of a section in file order (empty for an unknown section).
    QStringList ReadSection(const QString& section) const;
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

private:
    TIniFile() = default;
    void Parse(const QByteArray& bytes);
    struct Section {
        QString Name;
        std::vector<std::pair<QString, QString>> Values;
    };
    const Section* Find(const QString& section) const;

    std::vector<Section> sections_;
};
