#include "catalogue/database/stored_elements.h"

#include "core/error.h"
#include "core/storage/doc_stream.h"
#include "core/storage/storage_modes.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"
#include "core/stream/reader.h"
#include "core/string_list.h"
#include "platform/shift_jis.h"

#include <QBuffer>
#include <algorithm>

namespace {

// Streams are read whole before they are parsed: the component reader then checks lengths
// against bytes that are really there, not against a size the directory claims.
constexpr qint64 kReadChunk = 64 * 1024;

} // namespace

std::unique_ptr<TComponent> ReadStoredComponent(TDocStorage& storage, const QString& path, const TClassInfo& base)
{
    QBuffer stream;
    stream.setData(ReadStoredBytes(storage, path));
    stream.open(QIODevice::ReadOnly);
    TReader reader(stream);
    reader.SetCreator([&base](const QByteArray& className) -> std::unique_ptr<TComponent> {
        const TClassInfo* info = FindClass(className);
        if (!info || !info->InheritsFrom(base))
            return nullptr;
        return CreateRegisteredComponent(className);
    });
    return reader.ReadRootComponent(nullptr);
}

void ReadStoredComponent(TDocStorage& storage, const QString& path, TComponent& instance)
{
    QBuffer stream;
    stream.setData(ReadStoredBytes(storage, path));
    stream.open(QIODevice::ReadOnly);
    ReadComponent(stream, instance);
}

void WriteStoredComponent(TDocStorage& storage, const QString& path, const TComponent& component)
{
    TDocStream stream(storage, fmCreate, path);
    WriteComponent(stream, component);
}

QStringList ReadStoredLines(TDocStorage& storage, const QString& path)
{
    TStringList lines;
    lines.SetText(DecodeShiftJIS(ReadStoredBytes(storage, path)));
    return lines.Lines();
}

void WriteStoredLines(TDocStorage& storage, const QString& path, const QStringList& lines)
{
    TStringList text;
    text.SetLines(lines);
    QString unmappable;
    const std::optional<QByteArray> bytes = EncodeShiftJIS(text.Text(), &unmappable);
    if (!bytes)
        throw EAppError(QStringLiteral("「%1」に Shift-JIS で表せない文字が含まれています: %2").arg(path, unmappable));
    WriteStoredBytes(storage, path, *bytes);
}

QByteArray ReadStoredBytes(TDocStorage& storage, const QString& path)
{
    TDocStream stream(storage, fmOpenRead, path);
    const qint64 size = stream.size();
    // The directory may claim more than the file holds: memory grows only with what the
    // reads really deliver.
    QByteArray bytes;
    while (bytes.size() < size) {
        const qint64 chunk = std::min(kReadChunk, size - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + chunk);
        if (stream.Read(bytes.data() + at, chunk) != chunk)
            TReader::FailReadError();
    }
    return bytes;
}

void WriteStoredBytes(TDocStorage& storage, const QString& path, const QByteArray& bytes)
{
    TDocStream stream(storage, fmCreate, path);
    stream.Write(bytes.constData(), bytes.size());
}
