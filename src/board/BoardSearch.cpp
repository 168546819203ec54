#include "board/BoardSearch.h"

QStringList LowerValues(const QList<MNameValue> &items)
{
    QStringList lower;
    lower.reserve(items.size());
    for (const MNameValue &item : items)
        lower.append(item.value.toLower());
    return lower;
}

SearchResults SearchItems(const QList<SearchList> &lists, const QString &text)
{
    SearchResults found;
    if (text.isEmpty())
        return found;
    const QString needle = text.toLower();
    for (const SearchList &list : lists) {
        for (qsizetype i = 0; i < list.items->size(); ++i) {
            if (list.lowerValues->at(i).contains(needle)) {
                found.items.append(list.items->at(i));
                found.labels.append(list.label);
            }
        }
    }
    return found;
}
