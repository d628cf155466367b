#include "editing/clipboard/object_list.h"

#include "core/model/draw_object.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"
#include "core/stream/reader.h"
#include "core/stream/writer.h"
#include "editing/actions/object_clone.h"

#include <QBuffer>

namespace {
// The smallest component record: the signature, a one-letter class name, an empty name
// and the two list ends.
constexpr qint64 kMinComponentBytes = 4 + 2 + 1 + 2;
} // namespace

void WriteObjectList(const std::vector<TDrawObject*>& objects, QIODevice& device)
{
    TWriter(device).WriteLittleEndian(static_cast<std::uint32_t>(objects.size()), 4);
    for (const TDrawObject* object : objects)
        WriteComponent(device, *object);
}

std::vector<std::unique_ptr<TDrawObject>> ReadObjectList(QIODevice& device)
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    // The count's reader gives the device back, just after the count, when it ends.
    const std::uint64_t count = TReader(device).ReadLittleEndian(4);
    if (count > static_cast<std::uint64_t>(device.bytesAvailable() / kMinComponentBytes))
        TReader::FailReadError();
    for (std::uint64_t index = 0; index < count; ++index) {
        TReader reader(device);
        reader.SetCreator(&CreateObjectByClassName);
        std::unique_ptr<TComponent> component = reader.ReadRootComponent(nullptr);
        if (auto* object = dynamic_cast<TDrawObject*>(component.get())) {
            component.release();
            objects.emplace_back(object);
        }
    }
    return objects;
}

QByteArray ObjectListBytes(const std::vector<TDrawObject*>& objects)
{
    std::vector<std::unique_ptr<TDrawObject>> clones;
    std::vector<TDrawObject*> list;
    for (TDrawObject* object : objects) {
        clones.push_back(CloneObject(*object));
        clones.back()->SetName(object->Name());
        list.push_back(clones.back().get());
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteObjectList(list, buffer);
    return buffer.data();
}

std::vector<std::unique_ptr<TDrawObject>> ReadObjectListBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadObjectList(buffer);
}

