#include "picture_holder.h"

#include "core/stream/component_stream.h"

#include <QBuffer>

LR_DEFINE_CLASS(TPictureHolder, TComponent, LR_CREATABLE(TPictureHolder), prop::Object("Picture", &Self::Picture),
                prop::Object("Loader", &Self::Loader))

namespace picturetest {

QByteArray Streamed(const TPictureHolder& holder)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteComponent(buffer, holder);
    return buffer.data();
}

std::unique_ptr<TPictureHolder> ReadHolder(const QByteArray& stream)
{
    QBuffer buffer;
    buffer.setData(stream);
    buffer.open(QIODevice::ReadOnly);
    auto holder = std::make_unique<TPictureHolder>();
    ReadComponent(buffer, *holder);
    return holder;
}

} // namespace picturetest
