#pragma once
// TGradationColors: the colours of a gradient, in order, and how many times the list repeats
// across it. A new list runs from white to black once. Gradient colours are plain RGB values
// (0x00BBGGRR); no system colour is translated.
#include "core/persistent/color_type.h"
#include "core/notify.h"
#include "core/persistent/persistent.h"

#include <QByteArray>
#include <vector>

class TGradationColors : public TPersistent, public IBroadcasterAccess {
    LR_CLASS(TGradationColors, TPersistent)
public:
    // The most colours a list holds, and the most repeats a gradient spreads: the palette of a
    // gradient has 1024 entries, so more would never show.
    static constexpr int kMaxColors = 1024;
    static constexpr int kMaxRepeatCount = 1024;

    TGradationColors();

    int Count() const { return int(colors_.size()); }
    const std::vector<TColor>& Colors() const { return colors_; }
    // Colour i; fails with a range error outside the list.
    TColor Color(int i) const;
    // Fails with a range error outside the list; announces a change when the colour differs.
    void SetColor(int i, TColor color);
    // Resizes the list (new entries black); fails with a range error below 0 or above
    // kMaxColors. Announces a change when the count differs.
    void SetColorCount(int count);
    // Replaces the whole list (at most kMaxColors colours); one change when it differs.
    void SetColors(const std::vector<TColor>& colors);
    // The list reversed in place, one change.
    void ReverseColors();

    int RepeatCount() const { return repeatCount_; }
    void SetRepeatCount(int count);

    // Count x RepeatCount colours, entry j being colour (j mod Count). A repeat count beyond
    // kMaxRepeatCount counts as kMaxRepeatCount, one below 1 gives no colours.
    std::vector<TColor> ExpandColors() const;

    // Whether the list is the default white, black.
    bool IsDefaultList() const;

    // From another list: colours and repeat count, inside one change bracket.
    void Assign(const TPersistent& source) override;
    // "Colors": written when the list is not the default.
    void DefineProperties(TFiler& filer) override;

    TChangeNotify& Notify() { return notify_; }
    IBroadcaster& Broadcaster() override { return notify_; }

private:
    std::vector<TColor> colors_;
    int repeatCount_ = 1;
    TChangeNotify notify_{this};
};

// The binary form of a colour list: a 32-bit little-endian count n, then n 32-bit
// little-endian colours.
QByteArray EncodeGradationColors(const std::vector<TColor>& colors);
// Fails with "不正なプロパティの値です" unless the data holds exactly the colours its count
// announces and the count is at most TGradationColors::kMaxColors.
std::vector<TColor> DecodeGradationColors(const QByteArray& data);
