#pragma once
// Component streams: a component and its published properties as a self-describing binary
// record (signature "TPF0"), optionally behind a resource header, as every document and
// catalogue stream stores them. Reading fails with the format's error texts and leaves
// nothing half-created.
#include <QIODevice>
#include <QString>
#include <memory>

class TComponent;

void WriteComponent(QIODevice& device, const TComponent& component);
// The resource header (name upper-cased, at most 63 characters), then the component; the
// header's size field holds the number of bytes after the header.
void WriteComponentRes(QIODevice& device, const QString& resourceName, const TComponent& component);

// Reads into an existing instance.
void ReadComponent(QIODevice& device, TComponent& instance);
// Reads a new component of the class named in the stream.
std::unique_ptr<TComponent> ReadComponent(QIODevice& device);
void ReadComponentRes(QIODevice& device, TComponent& instance);
std::unique_ptr<TComponent> ReadComponentRes(QIODevice& device);

// Object lists of label faces and the clipboard: skips the resource header and creates
// components through the label-object creator (which knows the old class names); every
// child read is inserted into the root.
void ReadObject(QIODevice& device, TComponent& root);
std::unique_ptr<TComponent> ReadObject(QIODevice& device);

// Checks and skips a resource header.
void SkipResourceHeader(QIODevice& device);

// The same over bytes held in memory: streams read whole from storage, clipboard payloads,
// snapshots and previews.
QByteArray ComponentBytes(const TComponent& component);
QByteArray ComponentResBytes(const QString& resourceName, const TComponent& component);
void ReadComponentBytes(const QByteArray& bytes, TComponent& instance);
std::unique_ptr<TComponent> ReadComponentBytes(const QByteArray& bytes);
void ReadComponentResBytes(const QByteArray& bytes, TComponent& instance);
