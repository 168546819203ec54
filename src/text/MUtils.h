#pragma once

#include <QString>
#include <optional>
#include <utility>

// Small stateless text helpers used to pick values out of HTML, JSON and URL text
// without a parser. A failed search gives an empty string or false, never an error.
namespace MUtils {

// Text between the first `start` and the first `end` after it. An empty `start`
// means "from the beginning", an empty `end` means "to the end"; a marker that is
// missing gives an empty result.
QString GetStringBetween(const QString &text, const QString &start, const QString &end);

// As GetStringBetween, with the markers matched regardless of letter case; the
// result keeps the letter case of `text`.
QString GetStringBetweenIgnoreCase(const QString &text, const QString &start, const QString &end);

// Removes every span from a "<" to the next ">"; stops at the first "<" that has
// no ">" after it or is directly followed by one.
QString RemoveHtmlTags(const QString &text);

// Replaces &nbsp; &lt; &gt; &apos; &quot; &amp; (in that order, case-sensitive).
QString DecodeHtmlEntities(const QString &text);
// Of the entities DecodeHtmlEntities knows, the one `rest` starts with (its name
// without the "&"): the character it stands for and the length of the name.
std::optional<std::pair<QChar, qsizetype>> MatchHtmlEntity(QStringView rest);

// Needle first. An empty needle is never found.
bool StringContains(const QString &needle, const QString &haystack);

// Index of the first `needle` in `text` at or after `from`, or -1.
qsizetype FindStringFrom(const QString &needle, const QString &text, qsizetype from);

// Value of attribute `name` in the inside of an opening tag: double-quoted,
// single-quoted or unquoted, tried in that order; "" when not found.
QString GetTagAttributeValue(const QString &tag, const QString &name);

} // namespace MUtils
