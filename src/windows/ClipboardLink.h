#pragma once

class QClipboard;

// What the link command did, for the notice that tells the user.
enum class ClipboardLinkOutcome {
    Converted, // the clipboard now holds the link as plain text
    NoLink,    // the clipboard was left as it was
};

// Turns the first HTML link on the clipboard into plain text: the link's text as
// it reads on the page, one space, its address. The clipboard then holds that text
// only. Without HTML, an anchor or an opening tag to read, the clipboard is left
// untouched. The menu's "decompose clipboard link" command.
ClipboardLinkOutcome DecomposeClipboardLink(QClipboard *clipboard);
