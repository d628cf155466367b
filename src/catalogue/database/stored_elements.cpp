#include "catalogue/database/stored_elements.h"

#include "core/error.h"
#include "core/storage/doc_stream.h"
#include "core/storage/storage_modes.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"
#include "core/stream/reader.h"
#include "core/persistent/string_list.h"
#include "platform/shift_jis.h"

#include <QBuffer>

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
    ReadComponentBytes(ReadStoredBytes(storage, path), instance);
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
    return ReadWholeStream(stream);
}

void WriteStoredBytes(TDocStorage& storage, const QString& path, const QByteArray& bytes)
{
    TDocStream stream(storage, fmCreate, path);
    stream.Write(bytes.constData(), bytes.size());
}
