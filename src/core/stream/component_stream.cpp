#include "core/stream/component_stream.h"

#include "core/persistent/component.h"
#include "core/stream/class_registry.h"
#include "core/stream/reader.h"
#include "core/stream/writer.h"

#include <QBuffer>

namespace {

constexpr std::uint8_t kResourceMarker = 0xFF;
constexpr std::uint16_t kResourceTypeRawData = 10;
constexpr std::uint16_t kResourceFlags = 0x1030;
constexpr int kMaxResourceName = 63;

void WriteSignatureAndRecord(TWriter& writer, const TComponent& component)
{
    writer.WriteBytes(QByteArray(kComponentSignature, 4));
    writer.WriteComponent(component);
}

void SkipHeader(TReader& reader)
{
    if (reader.ReadByte() != kResourceMarker)
        TReader::FailFormat();
    std::uint16_t type = reader.ReadByte();
    type |= static_cast<std::uint16_t>(reader.ReadByte() << 8);
    if (type != kResourceTypeRawData)
        TReader::FailFormat();
    // The name ends with a zero byte; it is at most 63 characters long when we write it,
    // and a few more are tolerated from other writers.
    for (int i = 0;; ++i) {
        if (i > 255)
            TReader::FailFormat();
        if (reader.ReadByte() == 0)
            break;
    }
    reader.ReadLittleEndian(2); // flags
    reader.ReadLittleEndian(4); // size
}

} // namespace

void WriteComponent(QIODevice& device, const TComponent& component)
{
    TWriter writer(device);
    WriteSignatureAndRecord(writer, component);
    writer.Flush();
}

void WriteComponentRes(QIODevice& device, const QString& resourceName, const TComponent& component)
{
    TWriter writer(device);
    writer.WriteByte(kResourceMarker);
    writer.WriteLittleEndian(kResourceTypeRawData, 2);
    writer.WriteBytes(resourceName.left(kMaxResourceName).toUpper().toLatin1());
    writer.WriteByte(0);
    writer.WriteLittleEndian(kResourceFlags, 2);
    const qint64 sizeField = writer.Position();
    writer.WriteLittleEndian(0, 4);
    const qint64 start = writer.Position();
    WriteSignatureAndRecord(writer, component);
    writer.PatchLittleEndian(sizeField, static_cast<std::uint64_t>(writer.Position() - start), 4);
    writer.Flush();
}

void SkipResourceHeader(QIODevice& device)
{
    TReader reader(device);
    SkipHeader(reader);
}

void ReadComponent(QIODevice& device, TComponent& instance)
{
    TReader(device).ReadRootComponent(&instance);
}

std::unique_ptr<TComponent> ReadComponent(QIODevice& device)
{
    return TReader(device).ReadRootComponent(nullptr);
}

void ReadComponentRes(QIODevice& device, TComponent& instance)
{
    TReader reader(device);
    SkipHeader(reader);
    reader.ReadRootComponent(&instance);
}

std::unique_ptr<TComponent> ReadComponentRes(QIODevice& device)
{
    TReader reader(device);
    SkipHeader(reader);
    return reader.ReadRootComponent(nullptr);
}

void ReadObject(QIODevice& device, TComponent& root)
{
    TReader reader(device);
    reader.SetCreator(&CreateObjectByClassName);
    SkipHeader(reader);
    reader.ReadRootComponent(&root);
}

std::unique_ptr<TComponent> ReadObject(QIODevice& device)
{
    TReader reader(device);
    reader.SetCreator(&CreateObjectByClassName);
    SkipHeader(reader);
    // The root is created through the object creator too, from the class name in the
    // stream.
    const QByteArray className = reader.PeekRootClassName();
    std::unique_ptr<TComponent> root = CreateObjectByClassName(className);
    if (!root)
        TReader::FailClassNotFound(className);
    reader.ReadRootComponent(root.get());
    return root;
}

// --- Bytes in memory ---------------------------------------------------------------------------

namespace {

template <class Read>
auto ReadFromBytes(const QByteArray& bytes, Read read)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

template <class Write>
QByteArray WrittenBytes(Write write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    return buffer.data();
}

} // namespace

QByteArray ComponentBytes(const TComponent& component)
{
    return WrittenBytes([&](QIODevice& device) { WriteComponent(device, component); });
}

QByteArray ComponentResBytes(const QString& resourceName, const TComponent& component)
{
    return WrittenBytes([&](QIODevice& device) { WriteComponentRes(device, resourceName, component); });
}

void ReadComponentBytes(const QByteArray& bytes, TComponent& instance)
{
    ReadFromBytes(bytes, [&](QIODevice& device) { ReadComponent(device, instance); });
}

std::unique_ptr<TComponent> ReadComponentBytes(const QByteArray& bytes)
{
    return ReadFromBytes(bytes, [](QIODevice& device) { return ReadComponent(device); });
}

void ReadComponentResBytes(const QByteArray& bytes, TComponent& instance)
{
    ReadFromBytes(bytes, [&](QIODevice& device) { ReadComponentRes(device, instance); });
}
