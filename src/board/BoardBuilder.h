#pragma once

#include "board/MNameValue.h"

#include <QString>
#include <memory>
#include <optional>

class BoardWalk;
namespace platform {
class XmlPushParser;
}

// "&" is masked before the page is parsed, so the XML parser meets no entity or
// character reference: "&nbsp;" and friends reach the element text as written and
// are decoded by the board's own, smaller rule set.
QString MaskAmpersands(const QString &text);

// Turns the board page's HTML (well-formed XML) into tabs and items. Each h1 opens a
// tab, the paragraphs that follow it at the same level become items, one br keeps
// the next paragraph in the item after a blank line, two br close the item. A
// heading's or paragraph's text includes all text inside it; nothing inside one
// opens a tab or an item of its own.
class BoardBuilder
{
public:
    // `currSelTabName` is the label selected before the rebuild, if any: the builder
    // notes whether a tab of that label is created again.
    explicit BoardBuilder(std::optional<QString> currSelTabName = std::nullopt);
    ~BoardBuilder();

    // False, with an empty board, when the text is empty or not well-formed XML.
    bool Build(const QString &html);

    // The same piece by piece, for a long page whose first tabs are wanted before
    // the rest has been read: begin(), feed() each piece in order, finish(). A
    // piece may end anywhere. feed() is false once the text so far is not
    // well-formed; finish() says whether the whole was, and empties the board when
    // it was not.
    void begin();
    bool feed(QStringView html);
    bool finish();
    // The tabs no later text can change, from where the last call stopped: on the
    // way, every tab that no open level still adds to; after finish(), all of them.
    // The board keeps their places, emptied.
    Board takeCompleteTabs();

    const Board &board() const { return m_Board; }
    Board takeBoard() { return std::move(m_Board); }
    bool foundTabName() const { return m_FoundTabName; }

    // True for the children of a "ul" element (a list the notebook wraps around
    // a heading): an h1 among them opens no tab.
    static bool MSBug(QByteArrayView parentName) { return parentName == "ul"; }

private:
    Board m_Board;
    std::optional<QString> m_CurrSelTabName;
    bool m_FoundTabName = false;
    std::unique_ptr<BoardWalk> m_Walk;
    std::unique_ptr<platform::XmlPushParser> m_Parser;
    qsizetype m_Taken = 0;
    QChar m_HeldBack;
};

// The board the app would show for this page text.
Board BuildBoard(const QString &html);
