#include "board/BoardBuilder.h"

#include "board/ItemFormat.h"
#include "platform/XmlEvents.h"
#include "text/MUtils.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A Unicode noncharacter, reserved for a program's internal use, so no page text
// means it. A no-break space, common in notes, would come back as "&".
constexpr QChar kMask = QChar(0xFDD0);

// Restores "&" and decodes the six common entities in one pass, in place: the
// same as MUtils::DecodeHtmlEntities after restoring, since every "&" of the text
// is a mask and the names hold none.
void unmaskAndDecode(QString &text)
{
    qsizetype from = text.indexOf(kMask);
    if (from < 0)
        return;
    QChar *chars = text.data();
    const qsizetype size = text.size();
    qsizetype out = from;
    for (qsizetype in = from; in < size;) {
        if (chars[in] != kMask) {
            chars[out++] = chars[in++];
            continue;
        }
        const auto entity = MUtils::MatchHtmlEntity(QStringView(chars + in + 1, size - in - 1));
        chars[out++] = entity ? entity->first : QChar(u'&');
        in += 1 + (entity ? entity->second : 0);
    }
    text.truncate(out);
}

// Text of a heading or paragraph from all the text inside it: "&" restored, tags
// stripped from CDATA text, the six common entities decoded. Not trimmed.
QString elementText(QByteArrayView utf8)
{
    QString text = QString::fromUtf8(utf8);
    // Tags go before entities are decoded, or "&lt;b&gt;" would be taken for one.
    if (text.contains(u'<')) {
        text.replace(kMask, u'&');
        return MUtils::DecodeHtmlEntities(MUtils::RemoveHtmlTags(text));
    }
    unmaskAndDecode(text);
    return text;
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

BoardBuilder::BoardBuilder(std::optional<QString> currSelTabName)
    : m_CurrSelTabName(std::move(currSelTabName))
{}

// Walks the page as the parser reads it. Every level (the children of one element)
// walks with a state of its own: a nested level never sees or changes the tab and
// pending item of the level above. A heading's or paragraph's text holds
// everything inside it; nothing inside one opens a tab or an item.
class BoardWalk final : public platform::XmlEvents
{
public:
    // Tabs below this index can gain nothing more: no level still open adds to them.
    qsizetype completeTabs() const
    {
        qsizetype complete = m_Board.size();
        for (const Level &level : m_Levels) {
            if (level.currentTab >= 0)
                complete = std::min(complete, level.currentTab);
        }
        return complete;
    }

    BoardWalk(Board &board, const std::optional<QString> &selectedTab)
        : m_Board(board), m_SelectedTab(selectedTab)
    {
        m_Levels.push_back({});
    }

    bool foundSelectedTab() const { return m_FoundSelectedTab; }

    // The end of the page ends its top level.
    void finish() { closePending(m_Levels.back()); }

    void startElement(QByteArrayView name) override
    {
        if (m_TakingDepth > 0) {
            ++m_TakingDepth;
            if (m_Taking == Taking::Paragraph)
                startFormat(name);
            return;
        }
        Level &level = m_Levels.back();
        // An h1 inside a list opens no tab: it is walked like any other element.
        if (name == "h1" && !level.inMSBugList) {
            // A heading ends the item above it just as the end of the level does;
            // notes seldom leave blank lines before the next heading.
            closePending(level);
            m_Board.append({QString(), {}});
            level.currentTab = m_Board.size() - 1;
            level.breakCount = 0;
            take(Taking::Heading);
            return;
        }
        if (name == "p") {
            take(Taking::Paragraph);
            m_Formats.assign(1, {});
            return;
        }
        if (name == "br") {
            if (level.breakCount == 1) {
                closePending(level);
                level.breakCount = 0;
            } else {
                level.breakCount = 1;
            }
        }
        m_Levels.push_back({});
        m_Levels.back().inMSBugList = BoardBuilder::MSBug(name);
    }

    void attribute(QByteArrayView name, QByteArrayView value) override
    {
        if (m_TakingDepth == 0 || m_Taking != Taking::Paragraph || m_Formats.empty())
            return;
        // Of the element just started: its format is the last one.
        TextFormat &format = m_Formats.back();
        // Nearly every paragraph of a page has a style, seldom one that formats.
        if (name == "style" && (value.contains("font-") || value.contains("text-decoration")))
            format.flags |= FormatOfStyle(elementText(value));
        else if (name == "href" && m_LinkOpened)
            format.href = SafeLinkAddress(elementText(value));
    }

    void endElement() override
    {
        if (m_TakingDepth > 0) {
            if (m_Taking == Taking::Paragraph && m_TakingDepth > 1)
                endFormat();
            if (--m_TakingDepth == 0)
                tookText();
            return;
        }
        closePending(m_Levels.back());
        m_Levels.pop_back();
    }

    void text(QByteArrayView utf8) override
    {
        if (m_TakingDepth > 0) {
            m_Text.append(utf8);
        }
        m_LinkOpened = false;
    }

private:
    struct Level
    {
        qsizetype currentTab = -1;
        QString pendingName;
        QString pendingValue;
        // The pending value as HTML, kept from the first paragraph with formatting.
        QString pendingHtml;
        bool formatted = false;
        int breakCount = 0;
        // The element whose children this level walks is a "ul".
        bool inMSBugList = false;
    };
    enum class Taking { Heading, Paragraph };

    void take(Taking what)
    {
        m_Taking = what;
        m_TakingDepth = 1;
        m_Text.clear();
        m_RunStart = 0;
        m_ParagraphHtml.clear();
        m_ParagraphFormatted = false;
    }

    // Inside a paragraph, the run of text so far goes out in the format it had,
    // before an element changes it. Most paragraphs have no formatting: their HTML
    // is made only once formatting shows up, from the plain text before it.
    void flushRun()
    {
        const QByteArrayView run = QByteArrayView(m_Text).sliced(m_RunStart);
        if (run.isEmpty())
            return;
        const TextFormat &format = m_Formats.back();
        if (!m_ParagraphFormatted && format.isPlain()) {
            m_RunStart = m_Text.size();
            return;
        }
        startParagraphHtml();
        m_ParagraphHtml += HtmlRun(elementText(run), format);
        m_RunStart = m_Text.size();
    }

    // The paragraph's HTML so far, from its plain text up to the current run.
    void startParagraphHtml()
    {
        if (m_ParagraphFormatted)
            return;
        m_ParagraphHtml = HtmlText(elementText(QByteArrayView(m_Text).first(m_RunStart)));
        m_ParagraphFormatted = true;
    }

    void startFormat(QByteArrayView name)
    {
        flushRun();
        TextFormat format = m_Formats.back();
        format.flags |= FormatOfElement(name);
        m_LinkOpened = name == "a";
        m_Formats.push_back(std::move(format));
        if (name == "br") {
            startParagraphHtml();
            m_ParagraphHtml += u"<br>";
        }
    }

    void endFormat()
    {
        flushRun();
        m_Formats.pop_back();
        m_LinkOpened = false;
    }

    void tookText()
    {
        Level &level = m_Levels.back();
        QString text = elementText(m_Text);
        QString html;
        if (m_Taking == Taking::Paragraph) {
            flushRun();
            if (m_ParagraphFormatted)
                html = std::move(m_ParagraphHtml);
        }
        if (m_Taking == Taking::Heading) {
            if (m_SelectedTab && text == *m_SelectedTab)
                m_FoundSelectedTab = true;
            m_Board[level.currentTab].label = std::move(text);
            return;
        }
        // After one br a paragraph continues the item, if there is one; with no
        // item open it starts one, rather than being overwritten by the next.
        if (!level.pendingName.isEmpty()) {
            const QStringView gap = level.breakCount == 1 ? u"\n\n" : u"\n";
            // Formatting from here on: the item so far becomes HTML too.
            if (!html.isEmpty() && !level.formatted) {
                level.pendingHtml = HtmlText(level.pendingValue);
                level.formatted = true;
            }
            if (level.formatted)
                level.pendingHtml += HtmlText(gap) + (html.isEmpty() ? HtmlText(text) : html);
            level.pendingValue += gap + text;
        } else {
            level.pendingName = trimBlanks(text);
            level.formatted = !html.isEmpty();
            level.pendingHtml = std::move(html);
            level.pendingValue = std::move(text);
        }
        level.breakCount = 0;
    }

    void closePending(Level &level)
    {
        if (level.currentTab >= 0 && !level.pendingName.isEmpty())
            m_Board[level.currentTab].items.append(
                {std::move(level.pendingName), std::move(level.pendingValue),
                 level.formatted ? std::move(level.pendingHtml) : QString()});
        level.pendingName.clear();
        level.pendingValue.clear();
        level.pendingHtml.clear();
        level.formatted = false;
    }

    Board &m_Board;
    const std::optional<QString> &m_SelectedTab;
    bool m_FoundSelectedTab = false;
    std::vector<Level> m_Levels;
    // Inside a heading or paragraph: how deep, and its text so far.
    int m_TakingDepth = 0;
    Taking m_Taking = Taking::Paragraph;
    QByteArray m_Text;
    // Inside a paragraph: the format of each open element, the text since the last
    // change of format, and the paragraph as HTML so far.
    std::vector<TextFormat> m_Formats;
    // Where the text of the current run begins in m_Text.
    qsizetype m_RunStart = 0;
    QString m_ParagraphHtml;
    bool m_ParagraphFormatted = false;
    // An "a" element has just started: its href attribute makes it a link.
    bool m_LinkOpened = false;
};

namespace {

// The page as the parser reads it: UTF-8 with every "&" masked. One copy sized up
// front: QByteArray::replace takes several times the parse for a page of notes.
QByteArray maskedUtf8(QStringView html)
{
    constexpr QByteArrayView kMaskUtf8("\xEF\xB7\x90");
    const QByteArray bytes = html.toUtf8();
    const auto ampersands = std::count(bytes.cbegin(), bytes.cend(), '&');
    if (ampersands == 0)
        return bytes;
    QByteArray masked(bytes.size() + ampersands * (kMaskUtf8.size() - 1), Qt::Uninitialized);
    char *out = masked.data();
    const char *from = bytes.cbegin();
    for (const char *at = std::find(from, bytes.cend(), '&'); at != bytes.cend();
         from = at + 1, at = std::find(from, bytes.cend(), '&')) {
        out = std::copy(from, at, out);
        out = std::copy(kMaskUtf8.begin(), kMaskUtf8.end(), out);
    }
    std::copy(from, bytes.cend(), out);
    return masked;
}

} // namespace

BoardBuilder::~BoardBuilder() = default;

bool BoardBuilder::Build(const QString &html)
{
    begin();
    feed(html);
    return finish();
}

void BoardBuilder::begin()
{
    m_Parser.reset();
    m_Board.clear();
    m_FoundTabName = false;
    m_Taken = 0;
    m_HeldBack = QChar();
    m_Walk = std::make_unique<BoardWalk>(m_Board, m_CurrSelTabName);
    m_Parser = std::make_unique<platform::XmlPushParser>(*m_Walk);
}

bool BoardBuilder::feed(QStringView html)
{
    if (!m_Parser || html.isEmpty())
        return m_Parser != nullptr;
    // A piece may end between the two halves of a surrogate pair: the first half
    // waits for the next piece, or it would be encoded as a stray character.
    QString joined;
    if (!m_HeldBack.isNull()) {
        joined = m_HeldBack + html;
        html = joined;
        m_HeldBack = QChar();
    }
    if (html.back().isHighSurrogate()) {
        m_HeldBack = html.back();
        html.chop(1);
    }
    if (!m_Parser->feed(maskedUtf8(html))) {
        m_Parser.reset();
        return false;
    }
    return true;
}

bool BoardBuilder::finish()
{
    // A first half with no second is encoded as the whole text would have been.
    const QChar last = std::exchange(m_HeldBack, QChar());
    const bool read = m_Parser &&
                      (last.isNull() || m_Parser->feed(maskedUtf8(QStringView(&last, 1)))) &&
                      m_Parser->finish();
    m_Parser.reset();
    if (!read) {
        m_Walk.reset();
        m_Board.clear();
        m_Taken = 0;
        return false;
    }
    m_Walk->finish();
    m_FoundTabName = m_Walk->foundSelectedTab();
    m_Walk.reset();
    // The board is kept as long as it is shown: no list keeps the room it grew into.
    for (BoardTab &tab : m_Board)
        tab.items.squeeze();
    return true;
}

Board BoardBuilder::takeCompleteTabs()
{
    const qsizetype complete = m_Walk ? m_Walk->completeTabs() : m_Board.size();
    Board tabs;
    for (; m_Taken < complete; ++m_Taken) {
        m_Board[m_Taken].items.squeeze();
        tabs.append(std::move(m_Board[m_Taken]));
    }
    return tabs;
}

Board BuildBoard(const QString &html)
{
    BoardBuilder builder;
    builder.Build(html);
    return builder.takeBoard();
}
