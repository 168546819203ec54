#include "windows/MWinState.h"

#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "ui_MWinState.h"
#include "windows/TickPause.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

std::unique_ptr<MWinState, MWinStateDeleter> g_WinState;

void MWinStateDeleter::operator()(MWinState *window) const
{
    if (QCoreApplication::instance())
        delete window;
}

void MWinState::ShowWindow(bool flag)
{
    Q_UNUSED(flag);
    if (!g_WinState) {
        g_WinState.reset(new MWinState);
        // Goes with the event loop, while the widgets' world is still whole.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { g_WinState.reset(); });
    }
    MWinState *window = g_WinState.get();
    window->loadWindow();
    window->show();
    // A tray app is rarely the active one: bring the window to the front.
    window->raise();
    window->activateWindow();
}

MWinState::MWinState(QWidget *parent) : QWidget(parent) {}

MWinState::~MWinState() = default;

void MWinState::loadWindow()
{
    m_Ui.load(this, &MWinState::windowDidLoad);
}

void MWinState::windowDidLoad()
{
    connect(m_Ui->m_Buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    // A problem's sentences wrap across the window's width, not a narrow column.
    m_Ui->m_LabelProblemsValue->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_LabelSnippets = new QLabel(tr("Snippets to add:"), this);
    m_LabelSnippetsValue = new QLabel(this);
    m_LabelSnippetsValue->setObjectName(QStringLiteral("m_LabelSnippetsValue"));
    m_LabelSnippetsValue->setTextFormat(Qt::PlainText);
    m_LabelSnippetsValue->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Ui->stateLayout->insertRow(m_Ui->stateLayout->rowCount() - 1, m_LabelSnippets,
                                 m_LabelSnippetsValue);
    m_DiscardRefused =
        m_Ui->m_Buttons->addButton(tr("Discard Refused Snippets"), QDialogButtonBox::ResetRole);
    m_DiscardRefused->setObjectName(QStringLiteral("m_DiscardRefused"));
    connect(m_DiscardRefused, &QPushButton::clicked, this, &MWinState::discardRefusedSnippets);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // Filled before the window is first shown.
    TimerRun();
    CreateTimer();
}

void MWinState::CreateTimer()
{
    // Replaces any timer made before: one window, one timer. Never stopped.
    m_Timer = std::make_unique<QTimer>();
    m_Timer->setInterval(1000);
    connect(m_Timer.get(), &QTimer::timeout, this, &MWinState::TimerTick);
    m_Timer->start();
}

void MWinState::TimerTick()
{
    if (TickPaused())
        return;
    TimerRun();
}

void MWinState::TimerRun()
{
    if (!m_Ui)
        return;
    // A kept refresh token is a sign-in, even while a refresh or the network is
    // under way: only the user or the service ends it.
    const bool signedIn = MGlobals::HasSignIn();
    QString signIn;
    if (signedIn) {
        //% "Signed in"
        signIn = qtTrId("strLogin");
    } else {
        //% "Signed out"
        signIn = qtTrId("strLogout");
    }
    if (signedIn && g_ServiceUnreachable.load())
        signIn = tr("%1 (offline, retrying)").arg(signIn);
    // Said where it can be seen: a fallback the user did not choose.
    if (signedIn && g_TokensFellBackToFile.load())
        signIn = tr("%1, kept in the settings file: no system keyring answered").arg(signIn);
    m_Ui->m_LabelLoginStatusValue->setText(signIn);
    // Where the sign-in is kept, for whoever wonders (or moves it: see the README).
    m_Ui->m_LabelLoginStatusValue->setToolTip(
        !signedIn                  ? QString()
        : g_TokensInKeyring.load() ? tr("Kept in the system keyring")
                                   : tr("Kept in Pinlark's settings file, readable only by you"));
    // Shown as the worker stored them, also when empty.
    m_Ui->m_LabelLastAccessValue->setText(g_OnlineOneNoteLastAccess.load());
    // Until the worker has found the page, the window's own text stays.
    const QString lastModified = g_PinlarkPageLastModified.load();
    if (!lastModified.isEmpty())
        m_Ui->m_LabelLastModifiedValue->setText(lastModified);

    const QString lastDownload = g_LastPageDownload.load();
    if (!lastDownload.isEmpty())
        m_Ui->m_LabelLastDownloadValue->setText(lastDownload);

    showSnippets();

    const QStringList problems = MProblems::Texts(MProblems::Current());
    m_Ui->m_LabelProblemsValue->setText(problems.join(u'\n'));
    m_Ui->m_LabelProblems->setVisible(!problems.isEmpty());
    m_Ui->m_LabelProblemsValue->setVisible(!problems.isEmpty());
    // Wrapped problem lines need more height than the layout's minimum asks for;
    // cut short, the sentence saying what to do would be lost.
    if (const int needed = heightForWidth(width()); !problems.isEmpty() && needed > height())
        resize(width(), needed);
}

void MWinState::showSnippets()
{
    QStringList lines;
    for (const PendingSnippet &snippet : g_SnippetOutbox.load()) {
        QString name = snippet.text.section(u'\n', 0, 0).trimmed();
        if (name.size() > 40)
            name = name.left(39) + u'…';
        switch (snippet.state) {
        case PendingSnippet::State::Waiting:
            lines << tr("\"%1\" in %2: waiting to be sent").arg(name, snippet.tab);
            break;
        case PendingSnippet::State::Unconfirmed:
            lines << tr("\"%1\" in %2: sent, checking that it arrived").arg(name, snippet.tab);
            break;
        case PendingSnippet::State::Refused:
            lines << tr("\"%1\" in %2: refused by the page, kept here and on the board")
                         .arg(name, snippet.tab);
            break;
        }
    }
    m_LabelSnippetsValue->setText(lines.join(u'\n'));
    const SnippetOutbox outbox = g_SnippetOutbox.load();
    m_DiscardRefused->setVisible(std::any_of(outbox.cbegin(), outbox.cend(), [](const auto &s) {
        return s.state == PendingSnippet::State::Refused;
    }));
    m_LabelSnippets->setVisible(!lines.isEmpty());
    m_LabelSnippetsValue->setVisible(!lines.isEmpty());
}

void MWinState::discardRefusedSnippets()
{
    g_SnippetOutbox.update([](SnippetOutbox &outbox) {
        outbox.removeIf(
            [](const PendingSnippet &s) { return s.state == PendingSnippet::State::Refused; });
    });
    MProblems::Clear(MProblem::SnippetRefused);
    TimerRun();
}
