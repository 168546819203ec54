#include "text/DateText.h"

namespace MUtils {

namespace {

// Digits only: toInt() would also take signs and blanks.
int FieldAt(const QString &text, qsizetype from, qsizetype length)
{
    int value = 0;
    for (qsizetype i = from; i < from + length; ++i) {
        const QChar ch = text.at(i);
        if (!ch.isDigit() || ch.unicode() > '9')
            return -1;
        value = value * 10 + (ch.unicode() - '0');
    }
    return value;
}

} // namespace

QDateTime DateFromDateTimeText(const QString &text)
{
    if (text.size() < 19)
        return {};
    const int year = FieldAt(text, 0, 4);
    const QDate date(year, FieldAt(text, 5, 2), FieldAt(text, 8, 2));
    const QTime time(FieldAt(text, 11, 2), FieldAt(text, 14, 2), FieldAt(text, 17, 2));
    // A year of -1 marks a non-digit; QDate would take it for 1 BC.
    if (year < 0 || !date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QString DateText(const QDateTime &instant)
{
    if (!instant.isValid())
        return {};
    return instant.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QStringLiteral(" +0000");
}

QString DateTextFromSecs(qint64 secsSinceEpoch)
{
    return DateText(QDateTime::fromSecsSinceEpoch(secsSinceEpoch, Qt::UTC));
}

} // namespace MUtils
