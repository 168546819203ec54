#pragma once

#include "platform/HttpTransport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Adding a snippet to the board page: the typed text turned into the page's own
// markup, the place on the page it goes to, and the change request that puts it
// there. The markup follows the rules the board is built by, so that the board made
// from the changed page shows the snippet's name and value exactly as typed.
namespace SnippetPatch {

// The text as it will be kept: line ends made "\n", characters an XML page cannot
// hold dropped, blank lines before the first line and after the last one removed.
// Empty when nothing but blanks was typed.
QString NormalizeText(const QString &typed);

// The name the board shows for the snippet: its first line without its blanks.
QString NameOf(const QString &normalized);

// Markup of one line of text: escaped, its leading blanks and blank runs kept as
// no-break spaces, which the board reads back as plain blanks.
QString EscapeLine(const QString &line);

// The snippet as paragraphs. It starts with two line breaks, which close whatever
// item stood above it; a blank line becomes one line break (two would end the
// item), a run of blank lines one break and empty paragraphs.
QString SnippetHtml(const QString &normalized);

// A heading that opens a tab, followed by the snippet.
QString NewTabHtml(const QString &tabLabel, const QString &normalized);

// Where on the page a snippet for a tab goes.
struct Target
{
    // The element the change names: a generated element id, or "body".
    QString id;
    // True: add inside it, at its end (a tab the page lacks). False: insert after it.
    bool append = false;
    explicit operator bool() const { return !id.isEmpty(); }
};

// Whether the page reads as the board reads it (well-formed).
bool IsReadable(const QString &pageHtml);

// The tab's labels in board order, read as the board reads them. Empty for a page
// that is not well-formed.
QStringList TabLabels(const QString &pageHtml);

// The place for a snippet in the tab of that label: after the tab's last element
// that has an id. With several tabs of that label, the one at `tabIndex` in board
// order if its label matches, else the last. For a label the page has no tab of:
// appended to the element holding the page's last tab heading, or to the first
// outline of the page, or to its body. An empty target when the page is not
// well-formed or the tab's elements carry no ids.
Target FindTarget(const QString &pageHtml, const QString &tabLabel, int tabIndex = -1);

// Whether the tab of that label already holds the snippet: its lines, blank ones
// aside, as consecutive paragraphs. No-break spaces count as blanks.
bool PageHasSnippet(const QString &pageHtml, const QString &tabLabel, const QString &normalized);

// The change for the snippet: a JSON list of one command, as the notebook's page
// update takes it.
QByteArray Commands(const Target &target, const QString &tabLabel, const QString &normalized);

// PATCH of the page's content with the commands.
platform::HttpRequest PatchRequest(const QString &contentAddress, const QString &accessToken,
                                   const QByteArray &commands);

} // namespace SnippetPatch
