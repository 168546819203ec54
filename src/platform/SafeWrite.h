#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace platform {

// Readable and writable by the owner alone: what every file in the data folder
// gets, since the settings may hold tokens and the page the user's notes.
inline constexpr QFileDevice::Permissions kPrivateFile =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The largest file the app reads whole, as large as a download may be: a bigger
// one is left alone rather than read into memory.
inline constexpr qint64 kMaxReadBytes = qint64(64) * 1024 * 1024;

// Replaces the file at `path` with `bytes` through a temporary file renamed over it,
// so that a crash, a full disk or any failed write leaves the old file whole. The new
// file gets `permissions` (owner only unless told otherwise). True only when every
// byte reached the new file and it took the old one's place.
//
// QSaveFile::commit() alone is not enough: Qt 6.4 reports success after a failed
// flush of a small buffered write, and renames an empty or truncated file into place.
bool SafeWrite(const QString &path, QByteArrayView bytes,
               QFileDevice::Permissions permissions = kPrivateFile);

struct FileBytes
{
    enum class Status { Read, Missing, Unreadable, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes;
};

// Reads the whole file at `path` when it holds at most `maxBytes`. A larger file is
// not read at all (TooLarge), so its size never becomes the app's memory; a folder
// or a file that cannot be opened or read is Unreadable.
FileBytes ReadWholeFile(const QString &path, qint64 maxBytes = kMaxReadBytes);

} // namespace platform
