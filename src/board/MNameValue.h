#pragma once

#include <QList>
#include <QSharedData>
#include <QString>

// One board item: the name shown in a list and the value a click copies.
//
// A board of ten thousand items is held for as long as the app runs, so each text
// is held once: the name, nearly always the start of the value (its first line,
// blanks trimmed), is read out of the value; only a name the value does not hold,
// and the formatted value of the few items the page formats, are kept beside it.
struct MNameValue
{
    MNameValue() = default;
    MNameValue(const QString &name, QString value, const QString &html = {});

    QString name() const;
    // The value as an HTML fragment, for items the page formats (bold, links, line
    // breaks...); empty, and copied as plain text only, for all others.
    QString html() const { return m_Rare ? m_Rare->html : QString(); }

    QString value;

    friend bool operator==(const MNameValue &a, const MNameValue &b)
    {
        return a.value == b.value && a.name() == b.name() && a.html() == b.html();
    }

private:
    struct Rare : QSharedData
    {
        QString name;
        QString html;
    };
    QSharedDataPointer<Rare> m_Rare;
    // Where the name sits in the value; -1 when it is m_Rare's.
    qint32 m_NameFrom = 0;
    qint32 m_NameSize = 0;
};

// One tab of the board: its label and items in page order.
struct BoardTab
{
    QString label;
    QList<MNameValue> items;
};

using Board = QList<BoardTab>;
