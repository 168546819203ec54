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

    // True when another instance was running and has been asked to show itself.
    bool handOverToRunning();
    // Becomes the running instance; false if listening failed (then we run alone).
    bool listen();

signals:
    void showRequested();

private:
    QString m_Name;
    QLocalServer *m_Server = nullptr;
};
