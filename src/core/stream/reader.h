#pragma once
// TReader reads components and values of the component stream format. The input is
// untrusted: every length is checked against the bytes that remain, nesting is bounded,
// and any fault ends the whole read with one of the format's error texts.
//
// The device is read in large blocks (a small stream in one call), and values are taken
// from that buffer, so that a stream element of a compound file sees a few large reads
// rather than one per tag. When the reader goes, a random-access device is left just after
// the last byte consumed, as if it had been read byte by byte; a sequential device is
// never read beyond what the values need.
#include "core/persistent/persistent.h"
#include "core/stream/value_type.h"

#include <QByteArray>
#include <QIODevice>
#include <functional>
#include <memory>
#include <vector>

class TComponent;
class TCollection;

class TReader : public TFiler {
public:
    using Creator = std::function<std::unique_ptr<TComponent>(const QByteArray& className)>;

    explicit TReader(QIODevice& device);
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;
    ~TReader();

    // Creates components by class name (the global class registry when not set).
    void SetCreator(Creator creator) { creator_ = std::move(creator); }

    // Reads the signature and the root record into the instance, or into a new
    // component created from the class name in the stream when instance is null.
    std::unique_ptr<TComponent> ReadRootComponent(TComponent* instance);
    // Reads the class name at the current position without consuming anything.
    QByteArray PeekRootClassName();

    // Values.
    TValueType NextValue();
    TValueType ReadValue();
    std::int64_t ReadInteger();
    bool ReadBoolean();
    QByteArray ReadIdent();
    QString ReadString();
    double ReadFloat();
    QByteArray ReadBinary();
    void ReadListBegin();
    void ReadListEnd();
    bool EndOfList();
    QByteArray ReadShortString();

    // Raw pieces of the format, checked against the bytes that remain.
    QByteArray ReadBytes(qint64 count);
    std::uint64_t ReadLittleEndian(int size);
    std::uint8_t ReadByte();

    void DefineProperty(const char* name, ReadProc read, WriteProc write, bool hasData) override;
    void DefineBinaryProperty(const char* name, ReadBinaryProc read, WriteBinaryProc write, bool hasData) override;

    // The four errors of the format.
    [[noreturn]] static void FailFormat();
    [[noreturn]] static void FailReadError();
    [[noreturn]] static void FailInvalidValue();
    [[noreturn]] static void FailNoProperty();
    [[noreturn]] static void FailClassNotFound(const QByteArray& className);

private:
    struct Fixup {
        TPersistent* object;
        const TPropInfo* property;
        QByteArray name;
    };

    std::unique_ptr<TComponent> ReadComponentRecord(TComponent* instance);
    void ReadProperties(TPersistent& object);
    void ReadProperty(TPersistent& object);
    void ReadPropertyValue(TPersistent& object, const TPropInfo& property);
    void ReadCollection(TCollection& collection);
    std::int64_t ReadOrdinal(const TPropInfo& property);
    void ResolveFixups(TComponent& root);
    void SkipValue();

    // The device offset of the next byte to consume.
    qint64 Position() const { return bufferStart_ + bufferAt_; }
    void SeekTo(qint64 position);
    qint64 Buffered() const { return buffer_.size() - bufferAt_; }
    // Makes at least count unconsumed bytes available in the buffer, or fails with the read
    // error.
    void Fill(qint64 count);

    QIODevice& device_;
    const bool sequential_;
    qint64 size_ = 0;          // a random-access device's size when the reader started
    QByteArray buffer_;        // bytes read from the device and not yet given up
    qsizetype bufferAt_ = 0;   // the next unconsumed byte of buffer_
    qint64 bufferStart_ = 0;   // the device offset of buffer_[0]
    Creator creator_;
    int depth_ = 0;
    QByteArray currentName_; // the extra property being looked for by DefineProperties
    bool currentHandled_ = false;
    std::vector<Fixup> fixups_;
    std::vector<TComponent*> loaded_;
};
