#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace platform {

// Replaces the file at `path` with `bytes` through a temporary file renamed over it,
// so that a crash, a full disk or any failed write leaves the old file whole. The new
// file gets `permissions` when they are given. True only when every byte reached the
// new file and it took the old one's place.
//
// QSaveFile::commit() alone is not enough: Qt 6.4 reports success after a failed
// flush of a small buffered write, and renames an empty or truncated file into place.
bool SafeWrite(const QString &path, QByteArrayView bytes,
               std::optional<QFileDevice::Permissions> permissions = std::nullopt);

} // namespace platform
