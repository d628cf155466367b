#pragma once
// One running instance per user and application: a lock file in the user's runtime
// folder marks the running instance, and a local socket beside it lets a second instance
// hand over the file it was asked to open before it exits.
#include <QByteArrayView>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

class TSingleInstance {
public:
    // id names the application and version (macro "$(SysMutexID)"); any characters.
    explicit TSingleInstance(const QString& id);
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // Takes the lock; true when no other instance holds it. The first instance then
    // listens for messages from later ones.
    bool Acquire();
    // From a later instance: sends a message (a file path) to the running instance;
    // true when it was delivered.
    bool SendToRunning(const QString& message, int timeoutMs = 3000);
    // Called, on the event loop, with every message a later instance sends.
    void SetOnMessage(std::function<void(const QString& message)> onMessage);

    QString LockPath() const { return lockPath_; }
    QString SocketPath() const { return socketPath_; }

private:
    QString lockPath_;
    QString socketPath_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void(const QString&)> onMessage_;
};

// The hand-over message as it travels: UTF-8 text ended by a line feed (a line feed
// inside the text becomes a space).
QByteArray HandOverBytes(const QString& message);

// A hand-over message read from the bytes received so far: complete at its terminator
// (bytes after it are ignored), too long when no terminator comes within 64 KiB.
struct THandOverRead {
    enum class TState { Incomplete, Complete, TooLong };
    TState State = TState::Incomplete;
    QString Message; // when complete
};
THandOverRead ReadHandOver(QByteArrayView received);
