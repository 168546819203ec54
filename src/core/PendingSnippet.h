#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A snippet the user saved that the page does not hold yet. The main thread adds
// it to the outbox and keeps the outbox file; the worker sends it, marks what it
// learnt, and takes it out once the page holds it. Nothing in it is secret, but it
// is the user's text: the file is readable by its owner only.
struct PendingSnippet
{
    enum class State {
        // Not sent, or sent and refused in a way that changed nothing.
        Waiting,
        // Sent without a word back (time-out, a dropped connection, a quit while
        // it was on its way): it may be on the page. Sent again only after a fresh
        // download shows it is not.
        Unconfirmed,
        // Refused for good; kept for the user to see and copy.
        Refused,
    };

    QString id;   // a UUID, unique in the outbox
    QString text; // as typed, tidied (SnippetPatch::NormalizeText)
    QString tab;  // the tab's label
    // The tab's place among the board's tabs when it was chosen, to tell two tabs of
    // one label apart; -1 for a tab the board did not have.
    int tabIndex = -1;
    // The account the snippet was written for: it never goes to another one.
    QString userId;
    State state = State::Waiting;
    // The one retry with fresh element ids after the page no longer had the place
    // the snippet was aimed at.
    bool retried = false;

    bool operator==(const PendingSnippet &) const = default;
};

using SnippetOutbox = QList<PendingSnippet>;

namespace PendingSnippets {

// The outbox file's text: JSON, one object per snippet.
QByteArray ToJson(const SnippetOutbox &outbox);
// The snippets of an outbox file; an entry without text or tab is skipped, and a
// file that is not such JSON gives none.
SnippetOutbox FromJson(const QByteArray &json);

// Whether the snippet is this account's: written for it, or before any sign-in.
bool BelongsTo(const PendingSnippet &snippet, const QString &userId);
// Snippets still to be added for this account (refused ones aside).
qsizetype WaitingFor(const SnippetOutbox &outbox, const QString &userId);

} // namespace PendingSnippets
