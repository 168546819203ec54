#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace {

constexpr int kConnectTimeoutMs = 500;
const QByteArray kShow = QByteArrayLiteral("show");
const QByteArray kToggle = QByteArrayLiteral("toggle");

#ifdef Q_OS_UNIX
// A folder of this user's, closed to everyone else; a link does not count.
bool IsPrivateFolder(const QString &path)
{
    struct stat info = {};
    return !path.isEmpty() && lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

// Whether the path is free or holds something of this user's.
bool FreeOrOurs(const QString &path)
{
    struct stat info = {};
    return lstat(QFile::encodeName(path).constData(), &info) != 0 || info.st_uid == getuid();
}

// The user at the other end of a connected local socket is this one.
bool PeerIsThisUser(qintptr descriptor)
{
#ifdef SO_PEERCRED
    ucred peer = {};
    socklen_t size = sizeof peer;
    return getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == getuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return getpeereid(int(descriptor), &uid, &gid) == 0 && uid == getuid();
#endif
}
#else
// Named pipes are the user's session's own.
bool FreeOrOurs(const QString &)
{
    return true;
}
bool PeerIsThisUser(qintptr)
{
    return true;
}
#endif

QString SocketName(const QString &key)
{
    return QStringLiteral("pinlark-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : SingleInstance(key, SocketFolder(), parent)
{}

SingleInstance::SingleInstance(const QString &key, const QString &socketFolder, QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (!socketFolder.isEmpty())
        m_Path = QDir(socketFolder).filePath(SocketName(key));
#else
    Q_UNUSED(socketFolder);
    m_Path = SocketName(key);
#endif
}

QString SingleInstance::SocketFolder()
{
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (IsPrivateFolder(runtime))
        return runtime;
    // Made with the user's mode from the start; one found there must be the user's
    // own and closed to others, or it is not used at all.
    const QString own = QDir(QDir::tempPath()).filePath(QStringLiteral("pinlark-%1").arg(getuid()));
    mkdir(QFile::encodeName(own).constData(), 0700);
    return IsPrivateFolder(own) ? own : QString();
#else
    return QString();
#endif
}

bool SingleInstance::handOverToRunning(Request request)
{
    // Another user's socket is never spoken to.
    if (m_Path.isEmpty() || !FreeOrOurs(m_Path))
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_Path);
    if (!socket.waitForConnected(kConnectTimeoutMs) || !PeerIsThisUser(socket.socketDescriptor()))
        return false;
    socket.write((request == Request::Toggle ? kToggle : kShow) + '\n');
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    // What another user put there stays (Qt would rename its socket over it), and
    // this instance runs alone.
    if (m_Path.isEmpty() || !FreeOrOurs(m_Path))
        return false;
    m_Server = new QLocalServer(this);
    m_Server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_Server->listen(m_Path)) {
        // A socket left behind by a crashed instance: nobody answered above.
        QLocalServer::removeServer(m_Path);
        if (!m_Server->listen(m_Path))
            return false;
    }
    connect(m_Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_Server->nextPendingConnection())
            serve(socket);
    });
    return true;
}

void SingleInstance::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    if (!PeerIsThisUser(socket->socketDescriptor())) {
        drop();
        return;
    }
    // No more than one message is ever held, whatever a client sends.
    socket->setReadBufferSize(kMaxMessageBytes + 1);
    QTimer::singleShot(kMessageTimeoutMs, socket, drop);
    // The message may come in pieces: answer once the whole line is here.
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket, drop] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() >= kMaxMessageBytes)
                drop();
            return;
        }
        const QByteArray line = socket->readLine(kMaxMessageBytes + 1);
        if (line.size() > kMaxMessageBytes || !line.endsWith('\n')) {
            drop();
            return;
        }
        socket->disconnectFromServer();
        handleMessage(line.chopped(1));
    });
}

void SingleInstance::handleMessage(const QByteArray &message)
{
    if (message == kShow)
        emit showRequested();
    else if (message == kToggle)
        emit toggleRequested();
}
