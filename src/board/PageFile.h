#pragma once

#include <QString>
#include <optional>

// The cached page file: the board page's HTML as last shown, UTF-8.

// Nullopt when the file is missing or cannot be read; empty text when its bytes
// are not valid UTF-8.
std::optional<QString> ReadPageFile(const QString &path);

// Replaces the file atomically, so a crash or a full disk mid-write leaves the
// previous page whole instead of a truncated one. False when nothing was written.
bool WritePageFile(const QString &path, const QString &html);
