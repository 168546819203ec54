#include "board/PageFile.h"

#include "platform/SafeWrite.h"
#include "text/Encoding.h"

#include <QDataStream>
#include <QHash>

std::optional<QString> ReadPageFile(const QString &path, bool *tooLarge)
{
    const platform::FileBytes file = platform::ReadWholeFile(path);
    if (tooLarge)
        *tooLarge = file.status == platform::FileBytes::Status::TooLarge;
    if (file.status != platform::FileBytes::Status::Read)
        return std::nullopt;
    return MUtils::DecodeUtf8Strict(file.bytes);
}

bool WritePageFile(const QString &path, const QString &html)
{
    return platform::SafeWrite(path, html.toUtf8());
}

QByteArray PageDigest(const QString &html)
{
    QByteArray digest;
    QDataStream out(&digest, QIODevice::WriteOnly);
    out << quint64(html.size()) << quint64(qHash(html, 0x5eed'0001U))
        << quint64(qHash(html, 0x5eed'0002U));
    return digest;
}
