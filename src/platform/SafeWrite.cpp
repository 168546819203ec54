#include "platform/SafeWrite.h"

#include <QSaveFile>

namespace platform {

bool SafeWrite(const QString &path, QByteArrayView bytes,
               std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Anything short of the whole text, flushed without error, keeps the old file.
    const bool written = (!permissions || file.setPermissions(*permissions)) &&
                         file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush() &&
                         file.error() == QFileDevice::NoError;
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
