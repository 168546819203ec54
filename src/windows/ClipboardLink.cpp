#include "windows/ClipboardLink.h"

#include "text/MUtils.h"

#include <QClipboard>
#include <QMimeData>

void DecomposeClipboardLink(QClipboard *clipboard)
{
    if (!clipboard)
        return;
    const QMimeData *data = clipboard->mimeData();
    if (!data || !data->hasHtml())
        return;
    const QString html = data->html();
    if (html.isEmpty())
        return;

    // From just after the first "<a" to the first "</a" after it, in any letter
    // case, cut from the HTML as written.
    const QString inner =
        MUtils::GetStringBetweenIgnoreCase(html, QStringLiteral("<a"), QStringLiteral("</a"));
    if (inner.isEmpty())
        return;
    // The rest of the opening tag: nothing to read when it is bare ("<a>").
    const QString attributes = MUtils::GetStringBetween(inner, QString(), QStringLiteral(">"));
    if (attributes.isEmpty())
        return;

    // An attribute value is HTML text: "&" in an address is written "&amp;" by
    // every browser, and pasting that would give a broken address.
    const QString address = MUtils::DecodeHtmlEntities(
        MUtils::GetTagAttributeValue(attributes, QStringLiteral("href")));
    // Taken as written: markup and character references inside stay.
    const QString text = MUtils::GetStringBetween(inner, QStringLiteral(">"), QString());

    // Replaces every flavour, the HTML included.
    clipboard->setText(text + u' ' + address);
}
