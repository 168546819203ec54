#include "board/BoardSearch.h"

QList<MNameValue> SearchItems(const QList<const QList<MNameValue> *> &lists, const QString &text)
{
    QList<MNameValue> found;
    if (text.isEmpty())
        return found;
    const QString needle = text.toLower();
    for (const QList<MNameValue> *items : lists) {
        for (const MNameValue &item : *items) {
            if (item.value.toLower().contains(needle))
                found.append(item);
        }
    }
    return found;
}
