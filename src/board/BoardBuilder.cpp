#include "board/BoardBuilder.h"

#include "platform/XmlDocument.h"
#include "text/MUtils.h"

using platform::XmlNode;

namespace {

// A Unicode noncharacter, reserved for a program's internal use, so no page text
// means it. A no-break space, common in notes, would come back as "&".
constexpr QChar kMask = QChar(0xFDD0);

// Text of a heading or paragraph: string value, "&" restored, tags stripped from
// CDATA text, the six common entities decoded. Not trimmed.
QString elementText(const XmlNode &element)
{
    return MUtils::DecodeHtmlEntities(
        MUtils::RemoveHtmlTags(UnmaskAmpersands(element.stringValue())));
}

// Trims only what the page's authoring tool counts as blanks: space separators and
// tabs. Line feeds stay, unlike QString::trimmed().
QString trimBlanks(const QString &text)
{
    const auto isBlank = [](QChar c) {
        return c == u'\t' || c.category() == QChar::Separator_Space;
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QString MaskAmpersands(const QString &text)
{
    QString out = text;
    return out.replace(u'&', kMask);
}

QString UnmaskAmpersands(const QString &text)
{
    QString out = text;
    return out.replace(kMask, u'&');
}

BoardBuilder::BoardBuilder(std::optional<QString> currSelTabName)
    : m_CurrSelTabName(std::move(currSelTabName))
{}

bool BoardBuilder::Build(const QString &html)
{
    m_Board.clear();
    m_FoundTabName = false;
    if (html.isEmpty())
        return false;
    const auto document = platform::XmlDocument::parse(MaskAmpersands(html).toUtf8());
    if (!document)
        return false;
    CreateTabs_Recurse_Recurse(document->documentNode());
    return true;
}

bool BoardBuilder::MSBug(const XmlNode &element)
{
    const XmlNode parent = element.parent();
    return parent.isElement() && parent.name() == "ul";
}

void BoardBuilder::CreateTabs_Recurse_Recurse(const XmlNode &node)
{
    // Every level walks with a state of its own: a nested level never sees or
    // changes the tab and pending item of the level above.
    qsizetype currentTab = -1;
    QString pendingName;
    QString pendingValue;
    int breakCount = 0;

    const auto closePending = [&] {
        if (currentTab >= 0 && !pendingName.isEmpty())
            m_Board[currentTab].items.append({pendingName, pendingValue});
        pendingName.clear();
        pendingValue.clear();
    };

    for (XmlNode child = node.firstChild(); child; child = child.nextSibling()) {
        if (!child.isElement())
            continue;
        const QByteArrayView name = child.name();
        // A heading's or paragraph's text already holds everything inside it: walking
        // in would take that text again at every level, which on nested notes grows
        // with the square of the page. Nothing inside one opens a tab or an item.
        bool textTaken = false;

        if (name == "h1" && !MSBug(child)) {
            const QString label = elementText(child);
            if (m_CurrSelTabName && label == *m_CurrSelTabName)
                m_FoundTabName = true;
            // A heading ends the item above it just as the end of the level does;
            // notes seldom leave blank lines before the next heading.
            closePending();
            m_Board.append({label, {}});
            currentTab = m_Board.size() - 1;
            breakCount = 0;
            textTaken = true;
        } else if (name == "br") {
            if (breakCount == 1) {
                closePending();
                breakCount = 0;
            } else {
                breakCount = 1;
            }
        } else if (name == "p") {
            const QString text = elementText(child);
            // After one br a paragraph continues the item, if there is one; with
            // no item open it starts one, rather than being overwritten by the next.
            if (breakCount == 1 && !pendingName.isEmpty()) {
                pendingValue += u"\n\n" + text;
            } else if (!pendingName.isEmpty()) {
                pendingValue += u'\n' + text;
            } else {
                pendingName = trimBlanks(text);
                pendingValue = text;
            }
            breakCount = 0;
            textTaken = true;
        }

        if (!textTaken)
            CreateTabs_Recurse_Recurse(child);
    }
    closePending();
}

Board BuildBoard(const QString &html)
{
    BoardBuilder builder;
    builder.Build(html);
    return builder.takeBoard();
}
