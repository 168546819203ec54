#pragma once

#include "board/MNameValue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// What a search needs of one list's items, made once when the list is built rather
// than at every keystroke.
struct SearchIndex
{
    // Where an item's folded name lies inside its folded value.
    struct Span
    {
        qint32 start = 0;
        qint32 length = 0;
    };

    // The values in lower case, for the plain rule.
    QStringList lowerValues;
    // The values folded (FoldForSearch), for close matches. A value in ASCII shares
    // its lower-case text, so most boards pay nothing for this.
    QStringList foldedValues;
    // The name is the value's first paragraph, trimmed: found in the folded value,
    // it costs two numbers instead of a text of its own.
    QList<Span> names;
};

// One list to search: its items, their index row for row, and the label of the tab
// it shows.
struct SearchList
{
    const QList<MNameValue> *items;
    const SearchIndex *index;
    QString label;
};

// What a search found: the items, and row for row the label of the tab each came
// from, so the results can say where an item lives without changing what it copies.
// The first `closeFrom` items contain the text as typed; the rest are close matches.
struct SearchResults
{
    QList<MNameValue> items;
    QStringList labels;
    qsizetype closeFrom = 0;
};

// Text reduced for matching what a person means rather than what they typed:
// compatibility decomposition (ligatures, full-width forms, accents split off), the
// accents dropped, full case folding (so "ß" and "ss" match).
QString FoldForSearch(const QString &text);

SearchIndex IndexItems(const QList<MNameValue> &items);

// How often an item was copied, for ordering close matches of equal rank.
using UseCountOf = std::function<int(const MNameValue &item)>;

// First, items of all lists whose value contains `text`, letter case ignored by
// lower-casing both sides, in list order: the text is one substring, spaces count.
// Then the close matches among the rest, best first:
// - all of the text's words, in any order, in the folded name or value; a word at
//   the start of a word ranks above one inside a word, and the name above the value;
// - else the text's letters in order in the folded name, the first one starting a
//   word, fewer gaps first.
// Close matches of equal rank keep list order, or go by `uses` when given.
// An empty text finds nothing.
SearchResults SearchItems(const QList<SearchList> &lists, const QString &text,
                          UseCountOf uses = {});
