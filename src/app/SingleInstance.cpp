#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int kConnectTimeoutMs = 500;
const QByteArray kShow = QByteArrayLiteral("show\n");
const QByteArray kToggle = QByteArrayLiteral("toggle\n");
} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent),
      m_Name(QStringLiteral("pinlark-") +
             QString::fromLatin1(
                 QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16)))
{}

bool SingleInstance::handOverToRunning(Request request)
{
    QLocalSocket socket;
    socket.connectToServer(m_Name);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(request == Request::Toggle ? kToggle : kShow);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_Server = new QLocalServer(this);
    m_Server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_Server->listen(m_Name)) {
        // A socket left behind by a crashed instance: nobody answered above.
        QLocalServer::removeServer(m_Name);
        if (!m_Server->listen(m_Name))
            return false;
    }
    connect(m_Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_Server->nextPendingConnection()) {
            // The request may come in pieces: answer once the whole line is here.
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray line = socket->readLine();
                if (line == kShow)
                    emit showRequested();
                else if (line == kToggle)
                    emit toggleRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}
