#include "board/PageFile.h"

#include "text/Encoding.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(html.toUtf8());
    return file.commit();
}
