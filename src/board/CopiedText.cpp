#include "board/CopiedText.h"

namespace {

bool isBlankLine(QStringView line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.isSpace(); });
}

} // namespace

QString CopiedText(const MNameValue &item, bool withoutName)
{
    if (!withoutName)
        return item.value;
    qsizetype from = item.value.indexOf(u'\n');
    while (from >= 0) {
        const qsizetype next = item.value.indexOf(u'\n', from + 1);
        const QStringView line =
            QStringView(item.value).mid(from + 1, (next < 0 ? item.value.size() : next) - from - 1);
        if (!isBlankLine(line))
            return item.value.mid(from + 1);
        from = next;
    }
    return item.value;
}
