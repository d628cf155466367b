#pragma once
// A list of text lines with a change event, used for free text stored with objects and
// for every string-list property.
#include "core/persistent/persistent.h"

#include <QStringList>
#include <functional>

class TStringList : public TPersistent {
    LR_CLASS(TStringList, TPersistent)
public:
    TStringList() = default;

    const QStringList& Lines() const { return lines_; }
    void SetLines(const QStringList& lines);
    int Count() const { return static_cast<int>(lines_.size()); }
    void Add(const QString& line);
    void Clear();

    // The lines joined with carriage return and line feed, each line ended by it.
    QString Text() const;
    // Splits at CR LF, LF or CR.
    void SetText(const QString& text);

    void Assign(const TPersistent& source) override;
    // The lines are streamed as the extra property "Strings", a list of strings, when
    // there is at least one.
    void DefineProperties(TFiler& filer) override;

    // Called after every change of the lines.
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void Changed();

    QStringList lines_;
    std::function<void()> onChange_;
};
