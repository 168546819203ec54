#include "text/LinkText.h"

#include "text/MUtils.h"

#include <QRegularExpression>

namespace MUtils {

namespace {

// The link text as a reader sees it: markup gone, references decoded, and each run
// of HTML white space (line breaks and indentation of the page's source) shown as
// one blank. Tags go first so that "&lt;b&gt;" stays text; runs are collapsed
// before decoding so that "&nbsp;&nbsp;" keeps its two blanks. A no-break space
// written as a character is not HTML white space and stays.
QString linkTextAsRead(const QString &html)
{
    static const QRegularExpression whiteSpace(QStringLiteral("[ \\t\\n\\f\\r]+"));
    QString text = RemoveHtmlTags(html);
    text.replace(whiteSpace, QStringLiteral(" "));
    if (text.startsWith(u' '))
        text.remove(0, 1);
    if (text.endsWith(u' '))
        text.chop(1);
    return DecodeHtmlEntities(text);
}

} // namespace

std::optional<QString> LinkAsPlainText(const QString &html)
{
    // From just after the first "<a" to the first "</a" after it, in any letter
    // case, cut from the HTML as written.
    const QString inner =
        GetStringBetweenIgnoreCase(html, QStringLiteral("<a"), QStringLiteral("</a"));
    if (inner.isEmpty())
        return std::nullopt;
    // The rest of the opening tag: nothing to read when it is bare ("<a>").
    const QString attributes = GetStringBetween(inner, QString(), QStringLiteral(">"));
    if (attributes.isEmpty())
        return std::nullopt;

    // An attribute value is HTML text: "&" in an address is written "&amp;" by
    // every browser, and pasting that would give a broken address.
    const QString address =
        DecodeHtmlEntities(GetTagAttributeValue(attributes, QStringLiteral("href")));
    // Markup pasted as text ("<b>Tom</b> &amp; Jerry") is never what was meant.
    const QString text = linkTextAsRead(GetStringBetween(inner, QStringLiteral(">"), QString()));
    return text + u' ' + address;
}

} // namespace MUtils
