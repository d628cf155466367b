#include "music/csv/csv_data.h"

#include "music/csv/csv_text.h"

#include <algorithm>

namespace {

bool IsControl(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 31;
}

} // namespace

void TCSVStringList::Set(int index, const QString& text)
{
    if (index < 0)
        return;
    while (Count() <= index)
        fields_.append(QString());
    fields_[index] = text;
}

QStringList ParseCsvRow(const QString& row)
{
    QStringList fields;
    // A NUL character ends the row: nothing after it is read.
    const qsizetype nul = row.indexOf(QChar(0));
    const qsizetype size = nul < 0 ? row.size() : nul;
    qsizetype i = 0;
    while (i < size && IsControl(row[i]))
        ++i;
    while (i < size) {
        QString field;
        if (row[i] == QLatin1Char('"')) {
            ++i;
            while (i < size) {
                if (row[i] == QLatin1Char('"')) {
                    if (i + 1 < size && row[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += row[i++];
            }
        } else {
            while (i < size && row[i].unicode() >= 32 && row[i] != QLatin1Char(','))
                field += row[i++];
        }
        fields << field;
        while (i < size && IsControl(row[i]))
            ++i;
        if (i < size && row[i] == QLatin1Char(',')) {
            ++i;
            while (i < size && IsControl(row[i]))
                ++i;
        }
    }
    return fields;
}

QString FormatCsvRow(const QStringList& fields)
{
    if (fields.size() == 1 && fields[0].isEmpty())
        return QStringLiteral("\"\"");
    QStringList written;
    for (const QString& field : fields) {
        const bool quote = std::any_of(field.begin(), field.end(), [](QChar c) {
            return c.unicode() <= 32 || c == QLatin1Char('"') || c == QLatin1Char(',');
        });
        written << (quote ? QLatin1Char('"') + QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"')
                          : field);
    }
    return written.join(QLatin1Char(','));
}

void TCSVData::SetHeader(const QStringList& fields)
{
    header_ = TCSVStringList(fields);
    modified_ = true;
}

void TCSVData::Load(const QByteArray& bytes)
{
    QStringList lines = CsvTextLines(DecodeCsvBytes(bytes));
    header_ = {};
    if (hasHeader_ && lines.size() > 1)
        header_ = TCSVStringList(ParseCsvRow(lines.takeFirst()));
    rows_ = lines;
    modified_ = false;
}

std::optional<QByteArray> TCSVData::Save(bool utf8)
{
    QString text;
    if (hasHeader_)
        text += FormatCsvRow(header_.Fields()) + QStringLiteral("\r\n");
    for (const QString& row : rows_)
        text += row + QStringLiteral("\r\n");
    std::optional<QByteArray> bytes = EncodeCsvText(text, utf8);
    if (bytes)
        modified_ = false;
    return bytes;
}

void TCSVData::CheckIndex(int index) const
{
    if (index < 0 || index >= RowCount())
        throw ECSVError(QStringLiteral("Out Of Index"));
}

TCSVStringList TCSVData::Row(int index) const
{
    CheckIndex(index);
    return TCSVStringList(ParseCsvRow(rows_[index]));
}

void TCSVData::PutRow(int index, const TCSVStringList& fields)
{
    CheckIndex(index);
    rows_[index] = FormatCsvRow(fields.Fields());
    modified_ = true;
}

void TCSVData::AddRow(const TCSVStringList& fields)
{
    rows_.append(FormatCsvRow(fields.Fields()));
    modified_ = true;
}

void TCSVData::SetField(int row, int column, const QString& text)
{
    TCSVStringList fields = Row(row);
    fields.Set(column, text);
    PutRow(row, fields);
}

QString TCSVData::Key(int row, int column) const
{
    return TCSVStringList(ParseCsvRow(rows_[row])).Get(column);
}

int TCSVData::Find(int column, const QString& value) const
{
    if (column < 0)
        throw ECSVError(QStringLiteral("Out Of Index in Find"));
    for (int row = 0; row < RowCount(); ++row)
        if (compare_(Key(row, column), value) == 0)
            return row;
    return -1;
}

void TCSVData::Sort(int column)
{
    if (RowCount() > 1) {
        std::vector<std::pair<QString, QString>> keyed;
        for (int row = 0; row < RowCount(); ++row)
            keyed.emplace_back(Key(row, column), rows_[row]);
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) { return compare_(a.first, b.first) < 0; });
        for (int row = 0; row < RowCount(); ++row)
            rows_[row] = keyed[static_cast<std::size_t>(row)].second;
    }
    modified_ = true;
}
