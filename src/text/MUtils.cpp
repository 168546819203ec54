#include "text/MUtils.h"

namespace MUtils {

namespace {

// Lower-casing can change the length of a few characters (U+0130 becomes two
// units). Positions found in a lower-cased copy must still point into the original,
// so fold letter case one UTF-16 unit at a time: same length, same positions.
QString lowerSameLength(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const QChar lower = c.toLower();
        c = lower;
    }
    return out;
}

// Finds the markers in `haystack` and cuts the result from `text` at the same
// positions; the two differ only in letter case.
QString cutBetween(const QString &text, const QString &haystack, const QString &start,
                   const QString &end)
{
    qsizetype from = 0;
    if (!start.isEmpty()) {
        const qsizetype at = haystack.indexOf(start);
        if (at < 0)
            return {};
        from = at + start.size();
    }
    if (end.isEmpty())
        return text.mid(from);
    const qsizetype stop = haystack.indexOf(end, from);
    if (stop < 0)
        return {};
    return text.mid(from, stop - from);
}

} // namespace

QString GetStringBetween(const QString &text, const QString &start, const QString &end)
{
    return cutBetween(text, text, start, end);
}

QString GetStringBetweenIgnoreCase(const QString &text, const QString &start, const QString &end)
{
    return cutBetween(text, lowerSameLength(text), lowerSameLength(start), lowerSameLength(end));
}

QString RemoveHtmlTags(const QString &text)
{
    // Removing the first span leaves no "<" before the cut, so the next span is
    // always found after it: one pass gives the same result as rescanning from the
    // front after every removal.
    QString out;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = text.indexOf(u'<', pos);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u'>', open + 1);
        if (close < 0 || close == open + 1)
            break;
        out += QStringView(text).mid(pos, open - pos);
        pos = close + 1;
    }
    if (pos == 0)
        return text;
    out += QStringView(text).mid(pos);
    return out;
}

std::optional<std::pair<QChar, qsizetype>> MatchHtmlEntity(QStringView rest)
{
    struct Entity
    {
        QStringView name;
        QChar character;
    };
    static constexpr Entity kEntities[] = {
        {u"nbsp;", u' '},  {u"lt;", u'<'},   {u"gt;", u'>'},
        {u"apos;", u'\''}, {u"quot;", u'"'}, {u"amp;", u'&'},
    };
    for (const Entity &entity : kEntities) {
        if (rest.startsWith(entity.name))
            return std::pair(entity.character, entity.name.size());
    }
    return std::nullopt;
}

QString DecodeHtmlEntities(const QString &text)
{
    qsizetype at = text.indexOf(u'&');
    if (at < 0)
        return text;
    // One pass from left to right. No name holds a second "&", so no two matches
    // overlap, and only "&amp;" (replaced last) makes an "&": the result is that of
    // replacing each name in turn, without a copy of the text per name.
    const QStringView view(text);
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    while (at >= 0) {
        qsizetype next = at + 1;
        if (const auto entity = MatchHtmlEntity(view.sliced(at + 1))) {
            out += view.sliced(copied, at - copied);
            out += entity->first;
            copied = next = at + 1 + entity->second;
        }
        at = text.indexOf(u'&', next);
    }
    out += view.sliced(copied);
    return out;
}

bool StringContains(const QString &needle, const QString &haystack)
{
    return !needle.isEmpty() && haystack.contains(needle);
}

qsizetype FindStringFrom(const QString &needle, const QString &text, qsizetype from)
{
    if (from < 0 || from > text.size())
        return -1;
    return text.indexOf(needle, from);
}

QString GetTagAttributeValue(const QString &tag, const QString &name)
{
    const QString lowTag = lowerSameLength(tag);
    const QString lowName = lowerSameLength(name);

    for (const QChar quote : {u'"', u'\''}) {
        const QString pattern = lowName + u'=' + quote;
        const qsizetype at = lowTag.indexOf(pattern);
        if (at < 0)
            continue;
        const qsizetype from = at + pattern.size();
        const qsizetype close = FindStringFrom(QString(quote), tag, from);
        if (close >= 0)
            return tag.mid(from, close - from);
    }

    const QString pattern = lowName + u'=';
    const qsizetype at = lowTag.indexOf(pattern);
    if (at < 0)
        return {};
    const qsizetype from = at + pattern.size();
    // Each terminator is tried on its own, in this order: a tab before a later
    // space does not end the value, the space does.
    for (const QChar stop : {u' ', u'\t', u'\n'}) {
        const qsizetype close = FindStringFrom(QString(stop), tag, from);
        if (close >= 0)
            return tag.mid(from, close - from);
    }
    return {};
}

} // namespace MUtils
