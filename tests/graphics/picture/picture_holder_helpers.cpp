#include "picture_holder.h"

#include "core/stream/component_stream.h"

LR_DEFINE_CLASS(TPictureHolder, TComponent, LR_CREATABLE(TPictureHolder), prop::Object("Picture", &Self::Picture, &Self::Picture),
                prop::Object("Loader", &Self::Loader, &Self::Loader))

namespace picturetest {

std::unique_ptr<TPictureHolder> ReadHolder(const QByteArray& stream)
{
    auto holder = std::make_unique<TPictureHolder>();
    ReadComponentBytes(stream, *holder);
    return holder;
}

} // namespace picturetest
