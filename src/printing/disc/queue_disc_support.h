#pragma once
// TQueueDiscSupport: what a queue offers for printing onto a disc in its tray, read from
// its printer description (Gutenprint's disc options and the usual names other drivers
// use), or, for a queue without description, from the media sources it announces.
#include <QString>
#include <QStringList>
#include <vector>

class TPpd;

// Whether a "PageSize" choice is a disc page (Gutenprint's "CD5Inch", "CD3Inch",
// "CDCustom", PWG "disc_*"): a sheet never takes one.
bool IsDiscPage(const QString& choice);
// Whether a paper source ("InputSlot" choice or IPP media-source) is a disc tray.
bool IsDiscSource(const QString& source);

class TQueueDiscSupport {
public:
    // ppd may be nullptr; mediaSources is what a queue without description announces.
    TQueueDiscSupport(const TPpd* ppd, const std::vector<QString>& mediaSources);

    // Whether the queue can take a disc at all: it has a disc source.
    bool CanPrintDiscs() const { return !discSource_.isEmpty(); }
    // The "InputSlot" choice, or for a queue without description the IPP media-source.
    QString DiscSource() const { return discSource_; }
    bool Driverless() const { return driverless_; }
    // "PageSize" choices of disc pages, in the description's order.
    const QStringList& DiscPages() const { return discPages_; }
    // "MediaType" choices for discs, in the description's order.
    const QStringList& DiscMedia() const { return discMedia_; }
    // Whether "StpCDInnerRadius" offers "None" and "Small" (printing onto the hub).
    bool HubPrinting() const { return hub_; }
    // The choices of the numeric options in points, ascending (empty when absent).
    const std::vector<int>& OuterDiameters() const { return outer_; }
    const std::vector<int>& InnerDiameters() const { return inner_; }
    const std::vector<int>& XAdjustments() const { return x_; }
    const std::vector<int>& YAdjustments() const { return y_; }
    // The option that sets the quality ("StpQuality" or "Resolution"), or empty.
    QString QualityOption() const { return quality_; }
    bool HasInkType() const { return ink_; }

private:
    QString discSource_;
    bool driverless_ = false;
    QStringList discPages_;
    QStringList discMedia_;
    bool hub_ = false;
    std::vector<int> outer_;
    std::vector<int> inner_;
    std::vector<int> x_;
    std::vector<int> y_;
    QString quality_;
    bool ink_ = false;
};
