#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// A file name for the id: readable where possible, unique by its hash.
QString FileStem(const QString& id)
{
    QString stem;
    for (const QChar c : id)
        stem += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('.') ? c : QLatin1Char('_');
    const QByteArray hash = QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return stem.left(48) + QLatin1Char('-') + QString::fromLatin1(hash);
}

QString RuntimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}

constexpr char kTerminator = '\n';
constexpr qsizetype kMaxMessage = 64 * 1024;

} // namespace

QByteArray HandOverBytes(const QString& message)
{
    QByteArray bytes = message.toUtf8();
    bytes.replace(kTerminator, ' ');
    return bytes + kTerminator;
}

THandOverRead ReadHandOver(QByteArrayView received)
{
    THandOverRead read;
    const qsizetype end = received.indexOf(kTerminator);
    if (end > kMaxMessage || (end < 0 && received.size() > kMaxMessage))
        read.State = THandOverRead::TState::TooLong;
    else if (end >= 0) {
        read.State = THandOverRead::TState::Complete;
        read.Message = QString::fromUtf8(received.first(end));
    }
    return read;
}

TSingleInstance::TSingleInstance(const QString& id)
    : lockPath_(RuntimeFolder() + QLatin1Char('/') + FileStem(id) + QStringLiteral(".lock")),
      socketPath_(RuntimeFolder() + QLatin1Char('/') + FileStem(id) + QStringLiteral(".socket")), lock_(lockPath_)
{
    // A lock counts as stale only when the process that took it has ended, never by its
    // age: the first instance may run for days.
    lock_.setStaleLockTime(0);
}

TSingleInstance::~TSingleInstance()
{
    if (server_)
        server_->close();
}

bool TSingleInstance::Acquire()
{
    if (!lock_.tryLock(0))
        return false;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath_);
    server_->listen(socketPath_);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                const THandOverRead read = ReadHandOver(socket->peek(socket->bytesAvailable()));
                if (read.State == THandOverRead::TState::TooLong)
                    socket->abort();
                if (read.State != THandOverRead::TState::Complete)
                    return;
                socket->readAll();
                socket->write("ok\n");
                socket->flush();
                // An empty message names no file.
                if (onMessage_ && !read.Message.isEmpty())
                    onMessage_(read.Message);
            });
        }
    });
    return true;
}

bool TSingleInstance::SendToRunning(const QString& message, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(HandOverBytes(message));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running instance acknowledges once it has taken the message.
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readLine().startsWith("ok");
}

void TSingleInstance::SetOnMessage(std::function<void(const QString&)> onMessage)
{
    onMessage_ = std::move(onMessage);
}
