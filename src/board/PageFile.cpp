#include "board/PageFile.h"

#include "platform/SafeWrite.h"
#include "text/Encoding.h"

#include <QFile>
#include <QFileInfo>

std::optional<QString> ReadPageFile(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return MUtils::DecodeUtf8Strict(bytes);
}

bool WritePageFile(const QString &path, const QString &html)
{
    return platform::SafeWrite(path, html.toUtf8());
}
