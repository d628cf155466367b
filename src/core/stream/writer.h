#pragma once
// TWriter writes components and values in the component stream format. Values collect in
// a buffer that goes to the device in large blocks, so that a stream element of a compound
// file sees a few large writes rather than one per tag. Flush hands over the rest (and
// raises when the device refuses it); call it before the device is used otherwise. A writer
// that goes unflushed hands its rest over too, but can no longer report a failure.
#include "core/persistent/persistent.h"
#include "core/stream/value_type.h"

#include <QByteArray>
#include <QIODevice>

class TComponent;

class TWriter : public TFiler {
public:
    explicit TWriter(QIODevice& device);
    TWriter(const TWriter&) = delete;
    TWriter& operator=(const TWriter&) = delete;
    ~TWriter();

    // Writes the buffered bytes to the device.
    void Flush();
    // The device offset the next byte goes to.
    qint64 Position() const { return flushedTo_ + pending_.size(); }
    // Overwrites size bytes at an offset already written (a size field filled in later).
    void PatchLittleEndian(qint64 position, std::uint64_t value, int size);

    // A complete component record (prefix-free): class name, name, properties, children.
    void WriteComponent(const TComponent& component);
    // The published and extra properties of an object, without the end tag.
    void WriteProperties(const TPersistent& object);

    // Values.
    void WriteInteger(std::int64_t value);
    void WriteBoolean(bool value);
    void WriteIdent(const QByteArray& identifier);
    // Text as Shift-JIS (tag 6 below 256 bytes, else 12); text without a Shift-JIS form
    // as a wide string, so that nothing is lost.
    void WriteString(const QString& text);
    void WriteWideString(const QString& text);
    void WriteFloat(double value, TFloatType type = TFloatType::Extended);
    void WriteBinary(const QByteArray& data);
    void WriteListBegin() { WriteValue(TValueType::List); }
    void WriteListEnd() { WriteValue(TValueType::Null); }

    // Raw pieces of the format.
    void WriteValue(TValueType type) { WriteByte(static_cast<std::uint8_t>(type)); }
    void WriteShortString(const QByteArray& bytes);
    void WriteByte(std::uint8_t byte);
    void WriteBytes(const QByteArray& bytes);
    void WriteLittleEndian(std::uint64_t value, int size);

    void DefineProperty(const char* name, ReadProc read, WriteProc write, bool hasData) override;
    void DefineBinaryProperty(const char* name, ReadBinaryProc read, WriteBinaryProc write, bool hasData) override;

private:
    void WriteProperty(const TPersistent& object, const TPropInfo& property);
    void WritePropertyName(const char* name);
    void WriteCollection(const TPersistent* collection);
    void Put(const char* data, qsizetype size);

    QIODevice& device_;
    QByteArray pending_;   // written values not yet handed to the device
    qint64 flushedTo_ = 0; // the device offset of pending_[0]
    QByteArray pathPrefix_;
};
