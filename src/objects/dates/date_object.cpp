#include "objects/dates/date_object.h"

#include "core/persistent/date_time.h"
#include "core/persistent/string_list.h"
#include "objects/dates/date_format.h"

#include <QRegularExpression>

const TTypeInfo DateUpdateFlagType{
    "TDateUpdateFlag", {{0, "dufNo"}, {1, "dufOpen"}, {2, "dufPrint"}, {3, "dufSave"}}};

LR_DEFINE_CLASS(TLODate, TLOTextBase, LR_CREATABLE(TLODate),
    prop::String("Format", &Self::Format, &Self::SetFormat),
    prop::Float("Date", &Self::DateValue, &Self::SetDateValue, TFloatType::DateTime),
    prop::Enumeration("UpdateFlag", &Self::UpdateFlagValue, &Self::SetUpdateFlagValue, DateUpdateFlagType).Default(0))

void TLODate::SetFormat(const QString& format)
{
    if (format == format_)
        return;
    format_ = format;
    Refresh();
}

void TLODate::SetDateValue(double date)
{
    if (date == date_)
        return;
    date_ = date;
    Refresh();
}

QDateTime TLODate::Date() const
{
    return FromDelphiDateTime(date_);
}

void TLODate::SetDate(const QDateTime& date)
{
    SetDateValue(ToDelphiDateTime(date));
}

void TLODate::SetUpdateFlagValue(int flag)
{
    if (flag < 0 || flag > 3 || flag == static_cast<int>(updateFlag_))
        return;
    updateFlag_ = static_cast<TDateUpdateFlag>(flag);
    Changed();
}

void TLODate::Refresh()
{
    bool expanded = true;
    const QString text = FormatDate(format_, Date(), &expanded);
    formatExpanded_ = expanded;
    // One change for the new lines (the text reports it and repaints).
    Text()->SetLines(text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r"))));
}

void TLODate::AssignTo(TPersistent& target) const
{
    TLOTextBase::AssignTo(target);
    if (auto* date = dynamic_cast<TLODate*>(&target)) {
        date->SetFormat(format_);
        date->SetDateValue(date_);
        date->SetUpdateFlagValue(static_cast<int>(updateFlag_));
    }
}
