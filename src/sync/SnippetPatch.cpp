#include "sync/SnippetPatch.h"

#include "platform/XmlDocument.h"
#include "sync/Requests.h"
#include "text/MUtils.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using platform::XmlNode;

namespace SnippetPatch {

namespace {

// The board hides "&" from the parser behind this noncharacter; reading the page
// the same way gives the same texts.
constexpr QChar kMask = QChar(0xFDD0);

bool isBlank(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

bool isBlankLine(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), isBlank);
}

// Characters XML 1.0 cannot carry (most controls, U+FFFE, U+FFFF, a lone
// surrogate), and the noncharacters the board uses for itself: one of them in a
// snippet would make the whole page unreadable or change its text.
bool isUnfit(const QString &text, qsizetype at)
{
    const QChar c = text.at(at);
    if (c.unicode() < 0x20)
        return c != u'\t' && c != u'\n';
    if (c.unicode() >= 0xFDD0 && c.unicode() <= 0xFDEF)
        return true;
    if (c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
        return true;
    if (c.isHighSurrogate())
        return at + 1 >= text.size() || !text.at(at + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return at == 0 || !text.at(at - 1).isHighSurrogate();
    return false;
}

// Text of a heading or paragraph as the board reads it.
QString elementText(const XmlNode &element)
{
    QString text = element.stringValue();
    text.replace(kMask, u'&');
    if (text.contains(u'<'))
        text = MUtils::RemoveHtmlTags(text);
    return MUtils::DecodeHtmlEntities(text);
}

QString elementId(const XmlNode &element)
{
    QString id = element.attribute("id");
    return id.replace(kMask, u'&');
}

struct Tab
{
    QString label;
    XmlNode heading;
    XmlNode container;       // the heading's parent
    QList<XmlNode> elements; // siblings after the heading, up to the next heading
};

// The tabs in board order: an h1 opens one unless its parent is a list, the
// elements after it at its level are its own, and nothing inside a heading or
// paragraph opens anything.
void collectTabs(const XmlNode &parent, QList<Tab> &tabs)
{
    const bool isList = parent.isElement() && parent.name() == "ul";
    qsizetype current = -1;
    for (XmlNode child = parent.firstChild(); child; child = child.nextSibling()) {
        if (!child.isElement())
            continue;
        const QByteArrayView name = child.name();
        if (name == "h1" && !isList) {
            tabs.append({elementText(child), child, parent, {}});
            current = tabs.size() - 1;
            continue;
        }
        if (current >= 0)
            tabs[current].elements.append(child);
        if (name != "p" && name != "h1")
            collectTabs(child, tabs);
    }
}

std::unique_ptr<platform::XmlDocument> parsePage(const QString &pageHtml)
{
    QString masked = pageHtml;
    masked.replace(u'&', kMask);
    return platform::XmlDocument::parse(masked.toUtf8());
}

// The tab of that label: the one at `tabIndex` when it bears the label, else the
// last of that label, as the board selects by label.
const Tab *findTab(const QList<Tab> &tabs, const QString &label, int tabIndex)
{
    if (tabIndex >= 0 && tabIndex < tabs.size() && tabs.at(tabIndex).label == label)
        return &tabs.at(tabIndex);
    for (qsizetype i = tabs.size() - 1; i >= 0; --i) {
        if (tabs.at(i).label == label)
            return &tabs.at(i);
    }
    return nullptr;
}

XmlNode firstOutline(const XmlNode &parent)
{
    for (XmlNode child = parent.firstChild(); child; child = child.nextSibling()) {
        if (!child.isElement())
            continue;
        if (child.name() == "div" && !elementId(child).isEmpty())
            return child;
        if (const XmlNode found = firstOutline(child))
            return found;
    }
    return {};
}

QString paragraphs(const QString &normalized)
{
    QString html;
    bool afterBlank = false;
    for (const QString &line : normalized.split(u'\n')) {
        if (line.isEmpty()) {
            // One break keeps the next paragraph in the item after a blank line;
            // a second would end the item, so further blank lines are empty
            // paragraphs.
            html += afterBlank ? QStringLiteral("<p></p>") : QStringLiteral("<br />");
            afterBlank = true;
            continue;
        }
        html += QStringLiteral("<p>") + EscapeLine(line) + QStringLiteral("</p>");
        afterBlank = false;
    }
    return html;
}

} // namespace

QString NormalizeText(const QString &typed)
{
    QString text = typed;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isUnfit(text, i))
            kept += text.at(i);
    }
    QStringList lines = kept.split(u'\n');
    while (!lines.isEmpty() && isBlankLine(lines.first()))
        lines.removeFirst();
    while (!lines.isEmpty() && isBlankLine(lines.last()))
        lines.removeLast();
    return lines.join(u'\n');
}

QString NameOf(const QString &normalized)
{
    const QString first = normalized.section(u'\n', 0, 0);
    qsizetype begin = 0;
    qsizetype end = first.size();
    while (begin < end && isBlank(first.at(begin)))
        ++begin;
    while (end > begin && isBlank(first.at(end - 1)))
        --end;
    return first.mid(begin, end - begin);
}

QString EscapeLine(const QString &line)
{
    QString out;
    out.reserve(line.size() + line.size() / 4);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        case u' ':
            // HTML folds blank runs and drops blanks at a line's ends: only a
            // single blank between words stays one.
            if (i == 0 || i + 1 == line.size() || line.at(i - 1) == u' ')
                out += QStringLiteral("&nbsp;");
            else
                out += c;
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString SnippetHtml(const QString &normalized)
{
    return QStringLiteral("<br /><br />") + paragraphs(normalized);
}

QString NewTabHtml(const QString &tabLabel, const QString &normalized)
{
    QString label = tabLabel;
    label.replace(u'\n', u' ');
    return QStringLiteral("<h1>") + EscapeLine(label) + QStringLiteral("</h1>") +
           paragraphs(normalized);
}

bool IsReadable(const QString &pageHtml)
{
    return parsePage(pageHtml) != nullptr;
}

QStringList TabLabels(const QString &pageHtml)
{
    const auto document = parsePage(pageHtml);
    if (!document)
        return {};
    QList<Tab> tabs;
    collectTabs(document->documentNode(), tabs);
    QStringList labels;
    for (const Tab &tab : tabs)
        labels.append(tab.label);
    return labels;
}

Target FindTarget(const QString &pageHtml, const QString &tabLabel, int tabIndex)
{
    const auto document = parsePage(pageHtml);
    if (!document)
        return {};
    QList<Tab> tabs;
    collectTabs(document->documentNode(), tabs);
    if (const Tab *tab = findTab(tabs, tabLabel, tabIndex)) {
        for (qsizetype i = tab->elements.size() - 1; i >= 0; --i) {
            if (const QString id = elementId(tab->elements.at(i)); !id.isEmpty())
                return {id, false};
        }
        return {elementId(tab->heading), false};
    }
    if (!tabs.isEmpty()) {
        if (const QString id = elementId(tabs.last().container); !id.isEmpty())
            return {id, true};
    }
    if (const XmlNode outline = firstOutline(document->documentNode()))
        return {elementId(outline), true};
    return {QStringLiteral("body"), true};
}

bool PageHasSnippet(const QString &pageHtml, const QString &tabLabel, const QString &normalized)
{
    const auto document = parsePage(pageHtml);
    if (!document)
        return false;
    QList<Tab> tabs;
    collectTabs(document->documentNode(), tabs);
    QStringList wanted;
    for (QString line : normalized.split(u'\n')) {
        if (!line.isEmpty())
            wanted.append(line.replace(QChar(0xA0), u' '));
    }
    if (wanted.isEmpty())
        return false;
    for (const Tab &tab : tabs) {
        if (tab.label != tabLabel)
            continue;
        QStringList texts;
        for (const XmlNode &element : tab.elements) {
            if (element.name() != "p")
                continue;
            QString text = elementText(element);
            if (!text.isEmpty())
                texts.append(text.replace(QChar(0xA0), u' '));
        }
        for (qsizetype from = 0; from + wanted.size() <= texts.size(); ++from) {
            if (texts.mid(from, wanted.size()) == wanted)
                return true;
        }
    }
    return false;
}

QByteArray Commands(const Target &target, const QString &tabLabel, const QString &normalized)
{
    QJsonObject command;
    command.insert(QLatin1String("target"), target.id);
    if (target.append) {
        command.insert(QLatin1String("action"), QLatin1String("append"));
        command.insert(QLatin1String("content"), NewTabHtml(tabLabel, normalized));
    } else {
        command.insert(QLatin1String("action"), QLatin1String("insert"));
        command.insert(QLatin1String("position"), QLatin1String("after"));
        command.insert(QLatin1String("content"), SnippetHtml(normalized));
    }
    return QJsonDocument(QJsonArray{command}).toJson(QJsonDocument::Compact);
}

platform::HttpRequest PatchRequest(const QString &contentAddress, const QString &accessToken,
                                   const QByteArray &commands)
{
    platform::HttpRequest request;
    request.method = "PATCH";
    request.url = contentAddress;
    request.headers = {{"Authorization", QByteArray("Bearer " + accessToken.toUtf8())},
                       {"Content-Type", "application/json"},
                       {"Content-Length", QByteArray::number(commands.size())}};
    request.body = commands;
    request.timeout = SyncRequests::kGraphTimeout;
    return request;
}

} // namespace SnippetPatch
