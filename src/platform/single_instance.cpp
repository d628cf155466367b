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

// Messages travel as UTF-8 text ended by a line feed.
constexpr char kTerminator = '\n';

} // namespace

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
                // A message is complete at its terminator; bytes after it are ignored.
                const QByteArray pending = socket->peek(socket->bytesAvailable());
                const qsizetype end = pending.indexOf(kTerminator);
                if (end < 0) {
                    if (pending.size() > 64 * 1024)
                        socket->abort();
                    return;
                }
                socket->readAll();
                socket->write("ok\n");
                socket->flush();
                if (onMessage_)
                    onMessage_(QString::fromUtf8(pending.left(end)));
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
    QByteArray bytes = message.toUtf8();
    bytes.replace(kTerminator, ' ');
    socket.write(bytes + kTerminator);
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
