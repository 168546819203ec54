#include "platform/SafeWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

bool SafeWrite(const QString &path, QByteArrayView bytes, QFileDevice::Permissions permissions)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Anything short of the whole text, flushed without error, keeps the old file.
    const bool written = file.setPermissions(permissions) &&
                         file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush() &&
                         file.error() == QFileDevice::NoError;
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

FileBytes ReadWholeFile(const QString &path, qint64 maxBytes)
{
    using Status = FileBytes::Status;
    const QFileInfo info(path);
    if (!info.exists())
        return {Status::Missing, {}};
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}};
    // Asked of the open file, the one that is read.
    if (file.size() > maxBytes)
        return {Status::TooLarge, {}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {Status::Unreadable, {}};
    // It grew while it was read.
    if (bytes.size() > maxBytes)
        return {Status::TooLarge, {}};
    return {Status::Read, std::move(bytes)};
}

} // namespace platform
