#include "windows/ClipboardLink.h"

#include "text/LinkText.h"

#include <QClipboard>
#include <QMimeData>

ClipboardLinkOutcome DecomposeClipboardLink(QClipboard *clipboard)
{
    if (!clipboard)
        return ClipboardLinkOutcome::NoLink;
    const QMimeData *data = clipboard->mimeData();
    if (!data || !data->hasHtml())
        return ClipboardLinkOutcome::NoLink;
    const std::optional<QString> text = MUtils::LinkAsPlainText(data->html());
    if (!text)
        return ClipboardLinkOutcome::NoLink;
    // Replaces every flavour, the HTML included.
    clipboard->setText(*text);
    return ClipboardLinkOutcome::Converted;
}
