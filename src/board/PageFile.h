#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The cached page file: the board page's HTML as last shown, UTF-8.

// Nullopt when the file is missing, cannot be read, or is larger than a download
// may be (then `tooLarge`, when given, is set and the file is not read at all);
// empty text when its bytes are not valid UTF-8.
std::optional<QString> ReadPageFile(const QString &path, bool *tooLarge = nullptr);

// Replaces the file atomically, so a crash or a full disk mid-write leaves the
// previous page whole instead of a truncated one; readable by its owner only. False
// when nothing was written.
bool WritePageFile(const QString &path, const QString &html);

// Pages are told apart by a digest of their text, so the board keeps no second copy
// of the page it shows: two seeded hashes and the length, 136 bits, for telling the
// user's own pages apart within one run, at memory speed (a cryptographic digest of
// a page of megabytes would cost the start-up milliseconds).
QByteArray PageDigest(const QString &html);
