#pragma once

#include "board/MNameValue.h"

#include <QList>
#include <QString>
#include <QStringList>

// One list to search: its items and their values in lower case, in the same order,
// and the label of the tab it shows.
struct SearchList
{
    const QList<MNameValue> *items;
    const QStringList *lowerValues;
    QString label;
};

// What a search found: the items, and row for row the label of the tab each came
// from, so the results can say where an item lives without changing what it copies.
struct SearchResults
{
    QList<MNameValue> items;
    QStringList labels;
};

// Lower-cased values for SearchList; computed once per board, not per keystroke.
QStringList LowerValues(const QList<MNameValue> &items);

// Items of all lists whose value contains `text`, letter case ignored by lower-casing
// both sides, in list order. The text is one substring: spaces count, nothing is
// split into words. An empty text finds nothing.
SearchResults SearchItems(const QList<SearchList> &lists, const QString &text);
