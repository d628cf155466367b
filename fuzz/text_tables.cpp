// Fuzzes the paper database's text tables: the input's lines (UTF-8) are a table whose
// first line is also the name looked up and the text searched for. The name maps through
// the table as its value says, search keys are built for every line, and a paper name
// whose key is not empty always matches itself.
#include "catalogue/database/text_tables.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = input.split(QLatin1Char('\n'));
    const QString& name = lines.first();
    const std::optional<QString> value = TableValue(lines, name);
    if (MappedName(lines, name) != value.value_or(name))
        __builtin_trap();
    if (value && !input.contains(QLatin1Char('=')))
        __builtin_trap();
    IsDirectPrintTab(name);
    for (const QString& line : lines) {
        PaperNameMatches(line, name, lines);
        if (!PaperSearchKey(line).isEmpty() && !PaperNameMatches(line, line, {}))
            __builtin_trap();
    }
    return 0;
}
