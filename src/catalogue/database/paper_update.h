#pragma once
// TPaperUpdate: the update number of a paper catalogue and when it was last updated.
#include "core/persistent/component.h"

#include <QDateTime>

class TPaperUpdate : public TComponent {
    LR_CLASS(TPaperUpdate, TComponent)
public:
    TPaperUpdate() = default;

    // The catalogue's update (pattern) number.
    int PPRNo() const { return pprNo_; }
    void SetPPRNo(int number) { pprNo_ = number; }
    // Days since 1899-12-30, the fraction being the time of day; 0 means never.
    double LastUpdate() const { return lastUpdate_; }
    void SetLastUpdate(double days) { lastUpdate_ = days; }

    // LastUpdate as a local date and time (invalid for 0), and back.
    QDateTime LastUpdateTime() const;
    void SetLastUpdateTime(const QDateTime& time);

    void AssignTo(TPersistent& target) const override;

private:
    int pprNo_ = 0;
    double lastUpdate_ = 0;
};
