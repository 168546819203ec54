#pragma once

#include <QList>
#include <QString>

// One board item: the name shown in a list and the value a click copies.
struct MNameValue
{
    QString name;
    QString value;

    friend bool operator==(const MNameValue &, const MNameValue &) = default;
};

// One tab of the board: its label and items in page order.
struct BoardTab
{
    QString label;
    QList<MNameValue> items;
};

using Board = QList<BoardTab>;
