// A page, as the worker downloads it or as a page file holds it, through the board
// builder, search and pinlark-board's JSON. Beyond crashes and undefined behaviour
// it checks what the board promises its user: every item has a name, typing an
// item's name finds it, a rebuild gives the same board and finds the selected tab
// again, and the JSON reads back as exactly this board.

#include "FuzzCheck.h"
#include "board/BoardBuilder.h"
#include "board/BoardJson.h"
#include "board/BoardSearch.h"
#include "text/Encoding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstddef>
#include <cstdint>

namespace {

// Typing a name scans every item; a few names are enough to check search.
constexpr qsizetype kSearchedNames = 16;

bool sameBoard(const Board &a, const Board &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype t = 0; t < a.size(); ++t) {
        if (a[t].label != b[t].label || a[t].items != b[t].items)
            return false;
    }
    return true;
}

// The board as its JSON carries it: names and values, not the formatting.
Board withoutHtml(Board board)
{
    for (BoardTab &tab : board) {
        for (MNameValue &item : tab.items)
            item = MNameValue(item.name(), item.value);
    }
    return board;
}

bool isBlank(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

// The board read back from pinlark-board's output; a tab with no label marks JSON
// that is not the documented shape.
Board boardFromJson(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    FUZZ_CHECK(error.error == QJsonParseError::NoError && document.isObject());
    Board board;
    for (const QJsonValue &tabValue : document.object().value(QLatin1String("tabs")).toArray()) {
        const QJsonObject tab = tabValue.toObject();
        FUZZ_CHECK(tab.value(QLatin1String("label")).isString());
        BoardTab boardTab{tab.value(QLatin1String("label")).toString(), {}};
        for (const QJsonValue &itemValue : tab.value(QLatin1String("items")).toArray()) {
            const QJsonObject item = itemValue.toObject();
            FUZZ_CHECK(item.value(QLatin1String("name")).isString() &&
                       item.value(QLatin1String("value")).isString());
            boardTab.items.append({item.value(QLatin1String("name")).toString(),
                                   item.value(QLatin1String("value")).toString(), QString()});
        }
        board.append(boardTab);
    }
    return board;
}

void checkSearch(const Board &board)
{
    QList<SearchIndex> indexes;
    indexes.reserve(board.size());
    for (const BoardTab &tab : board)
        indexes.append(IndexItems(tab.items));
    QList<SearchList> lists;
    for (qsizetype t = 0; t < board.size(); ++t)
        lists.append({&board[t].items, &indexes[t], board[t].label});

    FUZZ_CHECK(SearchItems(lists, QString()).items.isEmpty());
    qsizetype searched = 0;
    for (const BoardTab &tab : board) {
        for (const MNameValue &item : tab.items) {
            if (searched++ == kSearchedNames)
                return;
            const SearchResults found = SearchItems(lists, item.name());
            FUZZ_CHECK(found.items.size() == found.labels.size());
            FUZZ_CHECK(found.closeFrom >= 0 && found.closeFrom <= found.items.size());
            // An item holds its name, so it is among the plain matches, not the close ones.
            bool foundItself = false;
            for (qsizetype i = 0; i < found.closeFrom; ++i)
                foundItself |= found.items[i] == item && found.labels[i] == tab.label;
            FUZZ_CHECK(foundItself);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Both ways in, the download and the page file, decode strictly.
    const QString html = MUtils::DecodeUtf8Strict(
        QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));

    BoardBuilder builder;
    const bool built = builder.Build(html);
    const Board board = builder.board();
    FUZZ_CHECK(built || board.isEmpty());

    for (const BoardTab &tab : board) {
        // The mask that hides "&" from the parser never shows.
        FUZZ_CHECK(!tab.label.contains(QChar(0xFDD0)));
        for (const MNameValue &item : tab.items) {
            FUZZ_CHECK(!item.name().isEmpty());
            FUZZ_CHECK(!isBlank(item.name().front()) && !isBlank(item.name().back()));
            FUZZ_CHECK(!item.name().contains(QChar(0xFDD0)) && !item.value.contains(QChar(0xFDD0)));
            // The page's markup never reaches the copied HTML as markup.
            FUZZ_CHECK(!item.html().contains(QChar(0xFDD0)) && !item.html().contains(u"<script") &&
                       !item.html().contains(u"<img"));
        }
    }

    // A rebuild with the first tab selected: same board, and the tab is found again.
    const std::optional<QString> selected =
        board.isEmpty() ? std::nullopt : std::optional(board.first().label);
    BoardBuilder again(selected);
    FUZZ_CHECK(again.Build(html) == built);
    FUZZ_CHECK(sameBoard(again.board(), board));
    FUZZ_CHECK(again.foundTabName() == selected.has_value());

    checkSearch(board);

    const QByteArray json = BoardJson(board);
    FUZZ_CHECK(json.endsWith('\n') && json.count('\n') == 1);
    FUZZ_CHECK(sameBoard(boardFromJson(json), withoutHtml(board)));
    return 0;
}
