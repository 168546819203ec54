#pragma once

#include "platform/WindowForm.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace Ui {
class MWinState;
}

// The status window: once a second it shows whether the app is signed in, when the
// worker last tried a download and when the board page last changed. It only reads
// the shared state. One instance serves the whole process (g_WinState).
class MWinState : public QWidget
{
    Q_OBJECT

public:
    // Creates the one instance on first use, shows it and brings it to the front.
    // The flag is the menu's and changes nothing.
    static void ShowWindow(bool flag);

    explicit MWinState(QWidget *parent = nullptr);
    ~MWinState() override;

    // Builds the window and starts its timer, once; ShowWindow calls it.
    void loadWindow();

    void CreateTimer();
    // One refresh of the three labels.
    void TimerRun();
    // What the timer calls: TimerRun, except while a modal window or a menu is up.
    void TimerTick();

    QTimer *timer() const { return m_Timer.get(); }

private:
    void windowDidLoad();
    // The snippets of the outbox, one line each, with what became of them.
    void showSnippets();
    // Drops the snippets the page refused: the user has their text from the board.
    void discardRefusedSnippets();

    WindowForm<Ui::MWinState> m_Ui;
    std::unique_ptr<QTimer> m_Timer;
    QLabel *m_LabelSnippets = nullptr;
    QLabel *m_LabelSnippetsValue = nullptr;
    QPushButton *m_DiscardRefused = nullptr;
};

// Deletes the window only while the application object still lives: a window
// deleted after it (at static destruction) would crash, so then it is left to the
// end of the process.
struct MWinStateDeleter
{
    void operator()(MWinState *window) const;
};

// The one status window, made by the first ShowWindow.
extern std::unique_ptr<MWinState, MWinStateDeleter> g_WinState;
