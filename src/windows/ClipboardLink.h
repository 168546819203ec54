#pragma once

class QClipboard;

// Turns the first HTML link on the clipboard into plain text: the link's text, one
// space, its address. The clipboard then holds that text only. Without HTML, an
// anchor or an opening tag to read, the clipboard is left untouched; nothing is
// ever reported. The menu's "decompose clipboard link" command.
void DecomposeClipboardLink(QClipboard *clipboard);
