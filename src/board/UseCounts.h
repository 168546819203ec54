#pragma once

#include "board/MNameValue.h"

#include <QHash>
#include <QString>

// How often each item was copied, for ordering close matches of equal rank. Kept in
// a small file of the data folder, never in the notebook. An item is known by a
// hash of its value, so the file holds no snippet text, and an item moved to
// another tab keeps its count. Nothing is counted while the preference is off.
class UseCounts
{
public:
    explicit UseCounts(QString path);

    // Reads the file; a missing or unreadable one counts nothing.
    void load();
    int count(const MNameValue &item) const;
    bool isEmpty() const { return m_Counts.isEmpty(); }
    // Counts one more copy and writes the file; false when it could not be written.
    bool add(const MNameValue &item);

private:
    static QString keyOf(const MNameValue &item);

    QString m_Path;
    QHash<QString, int> m_Counts;
};
