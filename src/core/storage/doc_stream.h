#pragma once
// A stream element of a compound document as a random-access byte device: read, write,
// seek and set size, usable wherever a QIODevice is expected. The Read and Write helpers
// raise the application error; the QIODevice calls report failures through errorString().
#include "core/storage/doc_storage.h"

#include <QIODevice>
#include <memory>

class TDocStream : public QIODevice {
public:
    // Opens the stream at path (resolved against storage's path) with a file mode
    // (storage_modes.h): fmCreate creates it, and the storages on the way, replacing an
    // existing stream so that it starts empty; otherwise the stream must exist and is opened
    // for reading, writing or both.
    TDocStream(TDocStorage& storage, int mode, const QString& path);
    ~TDocStream() override;

    // The storage that holds the stream.
    TDocStorage& Storage() const { return *storage_; }
    const QString& Name() const { return name_; }

    bool isSequential() const override { return false; }
    qint64 size() const override;

    // Reads up to count bytes at the current position; returns how many were read (fewer
    // at the end). Zero or fewer bytes do nothing.
    qint64 Read(void* data, qint64 count);
    // Writes count bytes at the current position. Zero or fewer bytes do nothing.
    void Write(const void* data, qint64 count);
    // Shortens or lengthens the stream (new bytes read as zeros).
    void SetSize(qint64 size);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    std::unique_ptr<TDocStorage> storage_;
    QString name_;
    cfb::TEntryRef stream_;
};

// The whole content of a random-access device, read from its start. The size a compound
// file's directory gives a stream is a claim: memory grows only with the bytes the reads
// really deliver, and a device that delivers fewer than its size raises the read error.
QByteArray ReadWholeStream(QIODevice& device);
