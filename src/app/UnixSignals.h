#pragma once

#include <QObject>

// Turns SIGTERM and SIGINT into an ordinary quit, so a session logout or Ctrl+C
// goes through the normal shut-down (geometry saved, worker stopped).
class UnixSignals : public QObject
{
    Q_OBJECT

public:
    explicit UnixSignals(QObject *parent = nullptr);

signals:
    void terminateRequested();
};
