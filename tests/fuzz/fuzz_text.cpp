// The text helpers that pick links, tokens and ids out of HTML and JSON without a
// parser, with the markers the link command and the token client use and with
// markers cut from the text itself; the strict UTF-8 decoder and the URL and form
// escapes; and the service's date text. Numbers come from the end of the input, so
// a seed reads as the text it holds (followed by a few bytes of parameters).

#include "FuzzCheck.h"
#include "text/DateText.h"
#include "text/Encoding.h"
#include "text/LinkText.h"
#include "text/MUtils.h"

#include <QDateTime>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Folds letter case one UTF-16 unit at a time, as the case-blind search promises
// to: positions in the folded text are positions in the original.
QString foldUnits(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = c.toLower();
    return out;
}

// A cut of `text` that does not split a character in two.
QString pieceOf(const QString &text, unsigned position, unsigned length)
{
    const auto size = text.size();
    auto from = static_cast<qsizetype>(position % (size + 1));
    auto to = std::min(size, from + static_cast<qsizetype>(length % 8));
    if (from > 0 && from < size && text.at(from).isLowSurrogate())
        --from;
    if (to > 0 && to < size && text.at(to).isLowSurrogate())
        ++to;
    return text.mid(from, to - from);
}

void checkBetween(const QString &text, const QString &start, const QString &end)
{
    const QString cut = MUtils::GetStringBetween(text, start, end);
    // What lies between the markers, with both around it.
    if (!cut.isEmpty())
        FUZZ_CHECK(text.contains(start + cut + end));

    const QString blind = MUtils::GetStringBetweenIgnoreCase(text, start, end);
    if (!blind.isEmpty()) {
        FUZZ_CHECK(text.contains(blind));
        FUZZ_CHECK(foldUnits(text).contains(foldUnits(start) + foldUnits(blind) + foldUnits(end)));
    }
    // Without letter case to ignore, both searches agree.
    if (text == foldUnits(text) && start == foldUnits(start) && end == foldUnits(end))
        FUZZ_CHECK(blind == cut);

    if (MUtils::StringContains(start, text))
        FUZZ_CHECK(text.contains(start));
}

void checkMarkup(const QString &text, const QString &name)
{
    const QString plain = MUtils::RemoveHtmlTags(text);
    FUZZ_CHECK(plain.size() <= text.size());
    FUZZ_CHECK(MUtils::RemoveHtmlTags(plain) == plain);

    const QString decoded = MUtils::DecodeHtmlEntities(text);
    FUZZ_CHECK(decoded.size() <= text.size());
    if (!text.contains(u'&'))
        FUZZ_CHECK(decoded == text);

    // An attribute value is cut from the tag as written.
    for (const QString &attribute : {QStringLiteral("href"), name}) {
        const QString value = MUtils::GetTagAttributeValue(text, attribute);
        FUZZ_CHECK(value.isEmpty() || text.contains(value));
    }
}

void checkFind(const QString &needle, const QString &text, qsizetype from)
{
    const qsizetype at = MUtils::FindStringFrom(needle, text, from);
    if (at >= 0)
        FUZZ_CHECK(at >= from && QStringView(text).mid(at, needle.size()) == needle);
}

void checkEncoding(QByteArrayView bytes, const QString &text)
{
    const QString strict = MUtils::DecodeUtf8Strict(bytes);
    // Anything it gives back is exactly the bytes, but for a byte order mark.
    if (!strict.isEmpty()) {
        QByteArrayView expected = bytes;
        if (expected.startsWith("\xEF\xBB\xBF"))
            expected = expected.sliced(3);
        FUZZ_CHECK(strict.toUtf8() == expected);
    }

    // Both escapes decode back to the text's UTF-8, and use only what they may.
    const QString url = MUtils::EscapeUrl(text);
    for (const QChar c : url)
        FUZZ_CHECK(c.unicode() > u' ' && c.unicode() < 0x7F && c != u'"' && c != u'{');
    FUZZ_CHECK(QByteArray::fromPercentEncoding(url.toLatin1()) == text.toUtf8());
    const QByteArray form = MUtils::FormEncode(text);
    FUZZ_CHECK(!form.contains('&') && !form.contains('+') && !form.contains('='));
    FUZZ_CHECK(QByteArray::fromPercentEncoding(form) == text.toUtf8());
}

// Read at fixed positions; a date it reads is the one shown and reads back the same.
void checkDates(const QString &text, qint64 secs)
{
    for (const qsizetype from : {qsizetype(0), text.indexOf(u'"') + 1}) {
        const QDateTime date = MUtils::DateFromDateTimeText(text.mid(from));
        if (!date.isValid())
            continue;
        FUZZ_CHECK(date.timeSpec() == Qt::UTC);
        QString shown = MUtils::DateText(date);
        FUZZ_CHECK(shown.size() == 25 && shown.endsWith(QLatin1String(" +0000")));
        shown[10] = u'T';
        FUZZ_CHECK(MUtils::DateFromDateTimeText(shown) == date);
    }

    // Any clock reading is shown without fault; one within four-digit years
    // reads back as the same instant.
    const QString shown = MUtils::DateTextFromSecs(secs);
    const QDateTime instant = QDateTime::fromSecsSinceEpoch(secs, Qt::UTC);
    if (instant.isValid() && instant.date().year() >= 1 && instant.date().year() <= 9999) {
        QString wire = shown;
        FUZZ_CHECK(wire.size() == 25);
        wire[10] = u'T';
        FUZZ_CHECK(MUtils::DateFromDateTimeText(wire) == instant);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto secs = input.ConsumeIntegral<qint64>();
    const auto startAt = input.ConsumeIntegral<uint16_t>();
    const auto endAt = input.ConsumeIntegral<uint16_t>();
    const auto lengths = input.ConsumeIntegral<uint8_t>();
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArrayView bytes(rest.data(), static_cast<qsizetype>(rest.size()));
    const QString text = QString::fromUtf8(bytes);

    const QString start = pieceOf(text, startAt, lengths & 0xF);
    const QString end = pieceOf(text, endAt, lengths >> 4);
    // The link command's cuts, the token client's, and cuts from the text itself.
    checkBetween(text, QStringLiteral("<a"), QStringLiteral("</a"));
    checkBetween(text, QString(), QStringLiteral(">"));
    checkBetween(text, QStringLiteral(">"), QString());
    checkBetween(text, QStringLiteral("\"access_token\":\""), QStringLiteral("\""));
    checkBetween(text, start, end);
    checkBetween(text, start, QString());

    checkMarkup(text, start);
    checkFind(end, text, startAt % (text.size() + 2) - 1);
    checkEncoding(bytes, text);
    checkDates(text, secs);
    // The link command's own conversion, under the sanitizers: any text it gives
    // holds the blank between the link's text and its address.
    if (const std::optional<QString> link = MUtils::LinkAsPlainText(text))
        FUZZ_CHECK(link->contains(u' '));
    return 0;
}
