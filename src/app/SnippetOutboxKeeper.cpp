#include "app/SnippetOutboxKeeper.h"

#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "platform/SafeWrite.h"
#include "sync/SnippetPatch.h"
#include "windows/MWinAddSnippet.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QUuid>
#include <algorithm>

namespace {

// An outbox file larger than this is not the app's: it is left unread.
constexpr qint64 kMaxOutboxBytes = 16 * 1024 * 1024;

QString outboxPath()
{
    return QDir(g_DataFolder.load()).filePath(QStringLiteral("outbox.json"));
}

} // namespace

SnippetOutboxKeeper::SnippetOutboxKeeper(Ask ask, QObject *parent)
    : QObject(parent), m_Ask(std::move(ask))
{}

MWinAddSnippet *SnippetOutboxKeeper::addWindow() const
{
    return m_AddWindow;
}

void SnippetOutboxKeeper::showAddWindow(const QStringList &labels, int currentTab,
                                        const QString &text, const QIcon &icon)
{
    if (m_AddWindow) {
        m_AddWindow->raise();
        m_AddWindow->activateWindow();
        return;
    }
    auto *window = new MWinAddSnippet(labels, currentTab, text);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(icon);
    m_AddWindow = window;
    connect(window, &QDialog::accepted, this,
            [this, window] { addSnippet(window->text(), window->tabLabel(), window->tabIndex()); });
    window->show();
    window->raise();
    window->activateWindow();
}

void SnippetOutboxKeeper::addSnippet(const QString &typed, const QString &tabLabel, int tabIndex)
{
    const QString text = SnippetPatch::NormalizeText(typed);
    // A tab of the board is named exactly as it is; a new one without the blanks
    // typed around its name.
    const QString label = tabIndex >= 0 ? tabLabel : tabLabel.trimmed();
    if (text.isEmpty() || label.isEmpty())
        return;
    PendingSnippet snippet;
    snippet.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    snippet.text = text;
    snippet.tab = label;
    snippet.tabIndex = tabIndex;
    snippet.userId = g_OnlineOneNoteUserId.load();
    g_SnippetOutbox.update([&snippet](SnippetOutbox &outbox) { outbox.append(snippet); });
    // On disk before anything else happens to it.
    keep();
    if (!MGlobals::HasSignIn())
        emit tellRequested(tr("The snippet is kept and goes to your page once you sign in."),
                           false);
}

void SnippetOutboxKeeper::load()
{
    QFile file(outboxPath());
    if (!file.exists())
        return;
    if (file.size() > kMaxOutboxBytes || !file.open(QIODevice::ReadOnly))
        return;
    const SnippetOutbox outbox = PendingSnippets::FromJson(file.readAll());
    g_SnippetOutbox.store(outbox);
    m_KeptOutbox = outbox;
}

void SnippetOutboxKeeper::keep()
{
    const SnippetOutbox outbox = g_SnippetOutbox.load();
    if (outbox == m_KeptOutbox)
        return;
    const bool wrote = outbox.isEmpty()
                           ? (!QFile::exists(outboxPath()) || QFile::remove(outboxPath()))
                           : platform::SafeWrite(outboxPath(), PendingSnippets::ToJson(outbox),
                                                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!wrote) {
        // Kept in memory and tried again at the next tick.
        MProblems::Raise(MProblem::SaveFailed);
        return;
    }
    // A snippet that went on its way leaves its mark until the page brings it; one
    // added or refused, or a refused one discarded, changes the board now.
    bool boardChanged = false;
    for (const PendingSnippet &snippet : outbox)
        boardChanged = boardChanged || !m_KeptOutbox.contains(snippet);
    for (const PendingSnippet &snippet : m_KeptOutbox)
        boardChanged = boardChanged || (snippet.state == PendingSnippet::State::Refused &&
                                        !outbox.contains(snippet));
    m_KeptOutbox = outbox;
    if (boardChanged)
        emit this->boardChanged();
}

void SnippetOutboxKeeper::AddPendingItems(Board &board, const SnippetOutbox &outbox,
                                          const QString &userId)
{
    for (const PendingSnippet &snippet : outbox) {
        // Another account's snippets are not this board's (signed out, all show).
        if (!userId.isEmpty() && !PendingSnippets::BelongsTo(snippet, userId))
            continue;
        BoardTab *tab = nullptr;
        if (snippet.tabIndex >= 0 && snippet.tabIndex < board.size() &&
            board.at(snippet.tabIndex).label == snippet.tab)
            tab = &board[snippet.tabIndex];
        for (qsizetype i = board.size() - 1; i >= 0 && !tab; --i) {
            if (board.at(i).label == snippet.tab)
                tab = &board[i];
        }
        if (!tab) {
            board.append({snippet.tab, {}});
            tab = &board.last();
        }
        const QString name = SnippetPatch::NameOf(snippet.text);
        // Already on the page, whatever the outbox still thinks.
        if (std::any_of(tab->items.cbegin(), tab->items.cend(), [&](const MNameValue &item) {
                return item.name() == name && item.value == snippet.text;
            }))
            continue;
        tab->items.append({snippet.state == PendingSnippet::State::Refused
                               ? tr("%1 (not added)").arg(name)
                               : tr("%1 (adding…)").arg(name),
                           snippet.text, QString()});
    }
}

bool SnippetOutboxKeeper::settleWaitingSnippets(QWidget *window)
{
    const QString userId = g_OnlineOneNoteUserId.load();
    // Refused ones count too: left behind, they would belong to no one.
    const SnippetOutbox outbox = g_SnippetOutbox.load();
    const auto waiting = std::count_if(outbox.cbegin(), outbox.cend(), [&userId](const auto &s) {
        return PendingSnippets::BelongsTo(s, userId);
    });
    if (waiting == 0 || userId.isEmpty())
        return true;
    WaitingSnippetsChoice choice = WaitingSnippetsChoice::Cancel;
    if (m_Ask) {
        choice = m_Ask(waiting);
    } else {
        QMessageBox box(QMessageBox::Question, tr("Sign Out"),
                        tr("Snippets still waiting to be added to your page: %1.").arg(waiting),
                        QMessageBox::Cancel, window->isVisible() ? window : nullptr);
        box.setInformativeText(tr("Send them first, and Pinlark signs out once they are on the "
                                  "page; or discard them. They never go to another account."));
        QPushButton *send = box.addButton(tr("Send First"), QMessageBox::AcceptRole);
        QPushButton *discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(send);
        box.exec();
        if (box.clickedButton() == send)
            choice = WaitingSnippetsChoice::SendFirst;
        else if (box.clickedButton() == discard)
            choice = WaitingSnippetsChoice::Discard;
    }
    switch (choice) {
    case WaitingSnippetsChoice::SendFirst:
        m_SignOutWhenSent = true;
        retryRefusedSnippets();
        g_Ticks.store(0);
        return false;
    case WaitingSnippetsChoice::Discard:
        g_SnippetOutbox.update([&userId](SnippetOutbox &snippets) {
            snippets.removeIf([&userId](const PendingSnippet &s) {
                return PendingSnippets::BelongsTo(s, userId);
            });
        });
        keep();
        emit boardChanged();
        return true;
    case WaitingSnippetsChoice::Cancel:
        break;
    }
    return false;
}

void SnippetOutboxKeeper::signOutWhenSent()
{
    if (!m_SignOutWhenSent)
        return;
    if (!MGlobals::HasSignIn()) {
        m_SignOutWhenSent = false;
        return;
    }
    if (PendingSnippets::WaitingFor(g_SnippetOutbox.load(), g_OnlineOneNoteUserId.load()) > 0)
        return;
    m_SignOutWhenSent = false;
    emit signOutDue();
}

void SnippetOutboxKeeper::retryRefusedSnippets()
{
    bool any = false;
    g_SnippetOutbox.update([&any](SnippetOutbox &outbox) {
        for (PendingSnippet &snippet : outbox) {
            if (snippet.state != PendingSnippet::State::Refused)
                continue;
            snippet.state = PendingSnippet::State::Waiting;
            snippet.retried = false;
            any = true;
        }
    });
    if (!any)
        return;
    MProblems::Clear(MProblem::SnippetRefused);
    // Written, and the board's marks redone.
    keep();
}
