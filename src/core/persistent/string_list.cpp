#include "core/persistent/string_list.h"

#include "core/stream/reader.h"
#include "core/stream/writer.h"

#include <QRegularExpression>

LR_DEFINE_CLASS(TStringList, TPersistent, LR_CREATABLE(TStringList))

void TStringList::SetLines(const QStringList& lines)
{
    if (lines == lines_)
        return;
    lines_ = lines;
    Changed();
}

void TStringList::Add(const QString& line)
{
    lines_.append(line);
    Changed();
}

void TStringList::Clear()
{
    if (lines_.isEmpty())
        return;
    lines_.clear();
    Changed();
}

QString TStringList::Text() const
{
    QString text;
    for (const QString& line : lines_)
        text += line + QStringLiteral("\r\n");
    return text;
}

void TStringList::SetText(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    // A trailing line break ends the last line rather than starting an empty one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    SetLines(lines);
}

void TStringList::Assign(const TPersistent& source)
{
    if (const auto* list = dynamic_cast<const TStringList*>(&source)) {
        SetLines(list->lines_);
        return;
    }
    TPersistent::Assign(source);
}

void TStringList::Changed()
{
    if (onChange_)
        onChange_();
}

void TStringList::DefineProperties(TFiler& filer)
{
    filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            QStringList lines;
            reader.ReadListBegin();
            while (!reader.EndOfList())
                lines.append(reader.ReadString());
            reader.ReadListEnd();
            SetLines(lines);
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (const QString& line : lines_)
                writer.WriteString(line);
            writer.WriteListEnd();
        },
        !lines_.isEmpty());
}
