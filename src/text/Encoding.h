#pragma once

#include <QByteArrayView>
#include <QString>

namespace MUtils {

// Strict UTF-8: bytes that are not valid UTF-8 give empty text, never replacement
// characters, so a corrupted answer cannot pass for a real one.
QString DecodeUtf8Strict(QByteArrayView bytes);

// Escapes a whole address for use as a URL: characters that may not stand in a URL
// (blanks, quotes, braces, non-ASCII, "%") become %XX of their UTF-8 bytes, while
// the URL delimiters, the parentheses and the apostrophe stay as they are.
QString EscapeUrl(const QString &address);

// application/x-www-form-urlencoded value: everything but unreserved characters
// is escaped, so "+", "&", "=" and "%" inside a token survive the trip.
QByteArray FormEncode(const QString &value);

} // namespace MUtils
