#include "windows/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QUrl HelpPageUrl()
{
    const QString candidates[] = {
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help/index.html")),
        QStringLiteral(PINLARK_HELP_INSTALLED),
    };
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return QUrl::fromLocalFile(path);
    }
    return {};
}
