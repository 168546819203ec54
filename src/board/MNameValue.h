#pragma once

#include <QList>
#include <QString>

// One board item: the name shown in a list and the value a click copies.
struct MNameValue
{
    QString name;
    QString value;
    // The value as an HTML fragment, for items the page formats (bold, links, line
    // breaks...); empty, and copied as plain text only, for all others.
    QString html;

    friend bool operator==(const MNameValue &, const MNameValue &) = default;
};

// One tab of the board: its label and items in page order.
struct BoardTab
{
    QString label;
    QList<MNameValue> items;
};

using Board = QList<BoardTab>;
