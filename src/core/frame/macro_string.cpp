#include "core/frame/macro_string.h"

#include "core/error.h"

LR_DEFINE_CLASS(TMacroString, TStringList, LR_CREATABLE(TMacroString))

namespace {

TMacroString* applicationMacros = nullptr;

// Removes a name from the expansion stack when the expansion of its value ends, however
// it ends.
class StackEntry {
public:
    StackEntry(QStringList& stack, const QString& name) : stack_(stack) { stack_.append(name); }
    ~StackEntry() { stack_.removeLast(); }

private:
    QStringList& stack_;
};

bool IsOptionalFormat(const QString& format)
{
    return format.compare(QLatin1String("unessential"), Qt::CaseInsensitive) == 0 ||
           format.compare(QLatin1String("inessential"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString TMacroString::Value(const QString& name) const
{
    for (const QString& line : Lines()) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && QStringView(line).left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1);
    }
    return {};
}

void TMacroString::SetValue(const QString& name, const QString& value)
{
    QStringList lines = Lines();
    for (QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && QStringView(line).left(equals).compare(name, Qt::CaseInsensitive) == 0) {
            line = name + QLatin1Char('=') + value;
            SetLines(lines);
            return;
        }
    }
    Add(name + QLatin1Char('=') + value);
}

QString TMacroString::Stripped(const QString& text) const
{
    if (stripQuotes_ && text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

QString TMacroString::Expand(const QString& text)
{
    QString result;
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length) {
        if (!(text[i] == QLatin1Char('$') && i + 1 < length && text[i + 1] == QLatin1Char('('))) {
            result += text[i++];
            continue;
        }
        // "(" of the macro, 1-based, for the messages.
        const qsizetype position = i + 2;
        int depth = 1;
        qsizetype j = i + 2;
        while (j < length) {
            if (text[j] == QLatin1Char('$') && j + 1 < length && text[j + 1] == QLatin1Char('(')) {
                ++depth;
                j += 2;
                continue;
            }
            if (text[j] == QLatin1Char(')') && --depth == 0)
                break;
            ++j;
        }
        if (depth > 0)
            throw EAppError(QStringLiteral("%1の%2文字目から始まるマクロが閉じていません").arg(text).arg(position));
        const QString inner = text.mid(i + 2, j - (i + 2));
        if (inner.isEmpty())
            throw EAppError(QStringLiteral("%1の%2文字目から始まるマクロが間違っています").arg(text).arg(position));
        result += ExpandMacro(inner);
        i = j + 1;
    }
    return Stripped(result);
}

QString TMacroString::ExpandMacro(const QString& inner)
{
    const QString expanded = Expand(inner);
    const qsizetype colon = expanded.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? expanded : expanded.left(colon);
    const QString format = colon < 0 ? QString() : expanded.mid(colon + 1);
    for (const QString& open : stack_)
        if (open.compare(name, Qt::CaseInsensitive) == 0)
            throw EAppError(QStringLiteral("%1 マクロが循環参照されています").arg(name));

    QString value;
    {
        StackEntry entry(stack_, name);
        value = Value(name);
        if (value.isEmpty()) {
            if (IsOptionalFormat(format))
                return {};
            throw EAppError(QStringLiteral("未定義の%1マクロが使用されています").arg(name));
        }
        value = Stripped(Expand(value));
    }

    if (format.isEmpty() || IsOptionalFormat(format))
        return value;
    if (format.compare(QLatin1String("Drive"), Qt::CaseInsensitive) == 0)
        return value.left(1);
    if (format.compare(QLatin1String("shortPath"), Qt::CaseInsensitive) == 0)
        return value; // paths have no short form here
    throw EAppError(QStringLiteral("未定義のフォーマット指定(%1)が使用されています").arg(format));
}

TMacroString* ApplicationMacros()
{
    return applicationMacros;
}

void SetApplicationMacros(TMacroString* macros)
{
    applicationMacros = macros;
}

QString Expand(const QString& text)
{
    return applicationMacros ? applicationMacros->Expand(text) : text;
}
