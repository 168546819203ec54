#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One Pinlark per data folder: a second launch hands over to the running one and
// exits, so two workers never write the same files. Binding a desktop shortcut to
// `pinlark` therefore opens the board.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // `key` names the data folder this instance guards.
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);

    // What a second launch asks of the running instance.
    enum class Request { Show, Toggle };

    // True when another instance was running and has been handed the request.
    bool handOverToRunning(Request request = Request::Show);
    // Becomes the running instance; false if listening failed (then we run alone).
    bool listen();

signals:
    void showRequested();
    // `pinlark --toggle`: show the board, or hide it when shown.
    void toggleRequested();

private:
    QString m_Name;
    QLocalServer *m_Server = nullptr;
};
