#include "app/Autostart.h"

#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Autostart {

QString EntryPath()
{
    // GenericConfigLocation is $XDG_CONFIG_HOME when it is an absolute path,
    // ~/.config otherwise.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/" PINLARK_APP_ID ".desktop"));
}

bool IsEnabled(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false"))
            return false;
    }
    return true;
}

bool Enable(const QString &executable, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    // Outside the data folder and holding nothing private: the usual mode of an entry.
    return platform::SafeWrite(path, EntryText(executable),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                   QFile::ReadOther);
}

bool Disable(const QString &path)
{
    return !QFileInfo::exists(path) || QFile::remove(path);
}

QByteArray EntryText(const QString &executable)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Pinlark\n"
                                        "Comment=Text snippets one click away, from a notebook "
                                        "page\n"
                                        "Exec=") +
                         ExecArgument(executable) +
                         QStringLiteral("\n"
                                        "Icon=pinlark\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

QString ExecArgument(const QString &program)
{
    // Inside the quotes, ", `, $ and \ take a backslash; "%" is a field code
    // unless doubled. The whole value is then a string of the entry, whose own
    // escapes apply on top: a backslash doubles again, control characters become
    // \n, \t and \r.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted = u'"' + quoted.replace(u'%', QStringLiteral("%%")) + u'"';
    QString value;
    for (const QChar c : std::as_const(quoted)) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

} // namespace Autostart
