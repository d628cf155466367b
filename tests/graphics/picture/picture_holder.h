#pragma once
// A component that holds a picture and its resource loader as published sub-objects, as
// the image objects do, for reading and writing pictures through component streams.
#include "core/persistent/component.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/resource_image_loader.h"

#include <QByteArray>

class TPictureHolder : public TComponent {
    LR_CLASS(TPictureHolder, TComponent)
public:
    TPictureHolder() = default;

    TPictureEx* Picture() { return picture_.get(); }
    const TPictureEx* Picture() const { return picture_.get(); }
    TResourceImageLoader* Loader() { return loader_.get(); }
    const TResourceImageLoader* Loader() const { return loader_.get(); }

private:
    std::unique_ptr<TPictureEx> picture_ = std::make_unique<TPictureEx>();
    std::unique_ptr<TResourceImageLoader> loader_ = std::make_unique<TResourceImageLoader>(*picture_);
};

namespace picturetest {

// A new holder read from a component stream.
std::unique_ptr<TPictureHolder> ReadHolder(const QByteArray& stream);

} // namespace picturetest
