#include "windows/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QUrl HelpPageUrl()
{
    // Beside the executable in a build tree; where the install put it, found from
    // the executable so that any prefix works.
    const QDir binDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        binDir.filePath(QStringLiteral("help/index.html")),
        QDir::cleanPath(binDir.filePath(QStringLiteral(PINLARK_HELP_FROM_BIN))),
    };
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return QUrl::fromLocalFile(path);
    }
    return {};
}
