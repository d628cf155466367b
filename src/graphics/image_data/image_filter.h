#pragma once
// The filters of label images. A filter holds its settings as published properties,
// announces every change of them through its change notifier, and turns a source picture
// into a destination picture. Effect filters do their pixel work through an effect
// (effector.h); the clip filter crops.
#include "core/notify.h"
#include "core/persistent/persistent.h"
#include "core/canvas/rect.h"
#include "graphics/image_data/effector.h"

#include <memory>

class TPictureEx;

class TImageFilter : public TPersistent, public IBroadcasterAccess {
    LR_CLASS(TImageFilter, TPersistent)
public:
    TImageFilter() = default;

    // Whether the filter can work on the picture's graphic.
    virtual bool CanApply(const TPictureEx& picture) const = 0;
    // Writes the filtered source into the destination; result receives the part of the
    // source the destination shows, in source pixels.
    virtual void Apply(const TPictureEx& source, TPictureEx& destination, TRect& result) const = 0;
    // Whether applying the filter to the picture changes anything.
    virtual bool IsActive(const TPictureEx& picture) const = 0;

    // From a filter of the same class: its settings, inside one change bracket.
    void Assign(const TPersistent& source) override;

    TChangeNotify& Notify() { return notify_; }
    IBroadcaster& Broadcaster() override { return notify_; }

private:
    TChangeNotify notify_{this};
};

// Effect filters: they work on bitmaps and JPEG images, which they turn into a 24-bit bitmap
// run through the filter's effect.
class TGREFilter : public TImageFilter {
    LR_CLASS(TGREFilter, TImageFilter)
public:
    // The configured effect, or none when the settings ask for no change.
    virtual std::unique_ptr<TGREffector> CreateEffector() const = 0;

    bool CanApply(const TPictureEx& picture) const override;
    // With an effect: the source's graphic as a 24-bit bitmap run through it; without one, a
    // copy of the source.
    void Apply(const TPictureEx& source, TPictureEx& destination, TRect& result) const override;
    bool IsActive(const TPictureEx& picture) const override;
};
