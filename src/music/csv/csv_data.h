#pragma once
// A general CSV table: rows kept as raw text lines and parsed on access, an optional
// header row, a modified flag and a comparison for find and sort.
#include "core/error.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>

// The table's own error ("Out Of Index", "Out Of Index in Find").
class ECSVError : public EAppError {
public:
    using EAppError::EAppError;
};

// A string list whose reads beyond the end give empty text and whose writes beyond the end
// first extend it with empty entries.
class TCSVStringList {
public:
    TCSVStringList() = default;
    explicit TCSVStringList(QStringList fields) : fields_(std::move(fields)) {}

    int Count() const { return static_cast<int>(fields_.size()); }
    QString Get(int index) const { return index >= 0 && index < Count() ? fields_[index] : QString(); }
    void Set(int index, const QString& text);
    const QStringList& Fields() const { return fields_; }

private:
    QStringList fields_;
};

// One row's fields: leading control characters skipped; a field that begins with a double
// quote runs to its closing quote (a doubled quote stands for one); any other runs up to
// the next control character or ","; a "," at the very end makes no further empty field;
// a NUL character ends the row.
QStringList ParseCsvRow(const QString& row);
// The fields as one row: a field containing a character up to a blank, a double quote or
// a comma is quoted with inner quotes doubled; one empty field is written as "".
QString FormatCsvRow(const QStringList& fields);

class TCSVData {
public:
    using TCompare = std::function<int(const QString&, const QString&)>;

    // Whether the first line is a header row.
    bool HasHeader() const { return hasHeader_; }
    void SetHasHeader(bool hasHeader) { hasHeader_ = hasHeader; }
    const TCSVStringList& Header() const { return header_; }
    void SetHeader(const QStringList& fields);

    // Lines of the text become the rows; with the header flag and more than one line the
    // first line is the header.
    void Load(const QByteArray& bytes);
    // The header (with the flag) and the rows, each line ended by CR LF, as Shift-JIS (or
    // UTF-8); nothing when a character cannot be written.
    std::optional<QByteArray> Save(bool utf8 = false);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    TCSVStringList Row(int index) const;
    void PutRow(int index, const TCSVStringList& fields);
    void AddRow(const TCSVStringList& fields);
    // Sets one field of a row and writes the row back at once.
    void SetField(int row, int column, const QString& text);

    // The first row whose column equals value by the comparison, or -1.
    int Find(int column, const QString& value) const;
    // Orders the rows by the comparison on that column.
    void Sort(int column);
    void SetCompare(TCompare compare) { compare_ = std::move(compare); }

    bool Modified() const { return modified_; }

private:
    void CheckIndex(int index) const;
    QString Key(int row, int column) const;

    QStringList rows_;
    TCSVStringList header_;
    bool hasHeader_ = false;
    bool modified_ = false;
    TCompare compare_ = [](const QString& a, const QString& b) { return a.compare(b); };
};
