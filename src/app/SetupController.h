#pragma once

#include <QDateTime>
#include <QObject>

class EmptyBoard;
class ProblemNotifier;

// The board's first steps: a client id for a copy of Pinlark built without one, the
// sign-in that follows it, the board page created for a user who has none, and the
// service settings taken up again when the settings file changes.
class SetupController : public QObject
{
    Q_OBJECT

public:
    explicit SetupController(ProblemNotifier *problems, QObject *parent = nullptr);

    // The empty board whose setup buttons and field this takes, and which it keeps
    // saying what the next step is.
    void setEmptyBoard(EmptyBoard *board);
    // What the empty board shows, for a board with or without items, read from a
    // page (`pageLoaded`) or not.
    void describeEmptyBoard(bool hasItems, bool pageLoaded);
    // Notes whether a client id is known, once the settings are read.
    void start();
    void useClientId(const QString &clientId);
    // The service settings were changed (the file edited, or the Preferences window):
    // read them again and let the worker try a rejected client id once more.
    void serviceSettingsChanged();
    void createPage();
    // Raises what the worker left of a failed page creation; clears it once the page
    // is there.
    void takePageCreateFailure();
    // Looks at the settings file's time: a rejected client id, a refused service
    // address or a missing client id may have been corrected there.
    void watchSettings();

signals:
    // What the empty board says may have changed.
    void emptyBoardChanged();
    // The sign-in is to open, after the event that asked for it.
    void signInDue();

private:
    void retryRejectedClient();
    // A client id has become known (the setup, Preferences, an edited settings
    // file): the sign-in opens by itself, once.
    void takeUpClientId();
    // While no client id is known, an edited settings file may bring one.
    void watchSettingsForClientId();

    ProblemNotifier *m_Problems;
    EmptyBoard *m_EmptyBoard = nullptr;
    // The settings file's time when the service rejected the client id.
    QDateTime m_RejectedSettingsTime;
    // A client id was known at the last look; and the settings file's time when
    // none was.
    bool m_HasClientId = false;
    QDateTime m_SettingsTimeWithoutId;
};
