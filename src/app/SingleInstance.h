#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One Pinlark per data folder: a second launch hands over to the running one and
// exits, so two workers never write the same files. Binding a desktop shortcut to
// `pinlark` therefore opens the board.
//
// The socket is the user's alone: it lives in the user's runtime folder (or a
// private folder made for it), a connection from another user is closed unheard,
// and a message is one short text line ("show") that must arrive whole within
// kMessageTimeoutMs. Nothing another user leaves in the way stops the app from
// starting: it then runs without a second launch finding it.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The longest message, its newline included.
    static constexpr int kMaxMessageBytes = 64;
    static constexpr int kMessageTimeoutMs = 2000;

    // `key` names the data folder this instance guards; the socket goes into
    // `socketFolder` (SocketFolder() when left out).
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    SingleInstance(const QString &key, const QString &socketFolder, QObject *parent = nullptr);

    // $XDG_RUNTIME_DIR when it is this user's private folder; otherwise a folder
    // "pinlark-UID" in the temporary folder, made readable by the user alone. Empty
    // when neither can be had (another user took the name first).
    static QString SocketFolder();

    // Where the socket is; empty when there is no folder for it.
    QString socketPath() const { return m_Path; }

    // What a second launch asks of the running instance.
    enum class Request { Show, Toggle };

    // True when another instance of this user was running and has been handed
    // the request.
    bool handOverToRunning(Request request = Request::Show);
    // Becomes the running instance; false if listening failed (then we run alone).
    bool listen();

signals:
    void showRequested();
    // `pinlark --toggle`: show the board, or hide it when shown.
    void toggleRequested();

private:
    void serve(QLocalSocket *socket);
    // One whole message, without its newline.
    void handleMessage(const QByteArray &message);

    QString m_Path;
    QLocalServer *m_Server = nullptr;
};
