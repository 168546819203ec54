#pragma once

#include <QDateTime>
#include <QString>

namespace MUtils {

// The service's "yyyy-MM-ddTHH:mm:ss" (fraction and zone designator ignored) read
// at fixed positions as UTC. Text shorter than that, or fields that are not digits
// or make no date, give an invalid QDateTime.
QDateTime DateFromDateTimeText(const QString &text);

// An instant as the status window shows it: "2024-05-01 08:30:15 +0000" (UTC).
// An invalid instant gives empty text.
QString DateText(const QDateTime &instant);
QString DateTextFromSecs(qint64 secsSinceEpoch);

} // namespace MUtils
