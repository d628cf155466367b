#pragma once
// TLODate: a text whose lines are a date and time in a stored format. The document gives
// it one of its dates when a face is loaded (UpdateFlag); a format whose macros cannot be
// expanded shows itself as written, so that a stored document with one always opens.
#include "core/model/document_facts.h"
#include "text/object/text_object.h"

class TLODate : public TLOTextBase, public IDocumentDateObject {
    LR_CLASS(TLODate, TLOTextBase)
public:
    TLODate() = default;

    QString Format() const { return format_; }
    void SetFormat(const QString& format);
    // Days since 1899-12-30, the fraction being the time of day.
    double DateValue() const { return date_; }
    void SetDateValue(double date);
    QDateTime Date() const;
    void SetDate(const QDateTime& date) override;
    TDateUpdateFlag UpdateFlag() const override { return updateFlag_; }
    int UpdateFlagValue() const { return static_cast<int>(updateFlag_); }
    void SetUpdateFlagValue(int flag);
    void SetUpdateFlag(TDateUpdateFlag flag) { SetUpdateFlagValue(static_cast<int>(flag)); }

    // False when the format's macros could not be expanded and the text shows the format.
    bool FormatExpanded() const { return formatExpanded_; }

    void AssignTo(TPersistent& target) const override;

private:
    // The lines := the formatted date.
    void Refresh();

    QString format_;
    double date_ = 0;
    TDateUpdateFlag updateFlag_ = TDateUpdateFlag::dufNo;
    bool formatExpanded_ = true;
};

extern const TTypeInfo DateUpdateFlagType;
