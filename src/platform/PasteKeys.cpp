#include "platform/PasteKeys.h"

namespace platform {

const QStringList &TerminalWindowClasses()
{
    static const QStringList classes{
        QStringLiteral("xterm"),
        QStringLiteral("uxterm"),
        QStringLiteral("urxvt"),
        QStringLiteral("rxvt"),
        QStringLiteral("gnome-terminal"),
        QStringLiteral("gnome-terminal-server"),
        QStringLiteral("org.gnome.console"),
        QStringLiteral("kgx"),
        QStringLiteral("konsole"),
        QStringLiteral("alacritty"),
        QStringLiteral("kitty"),
        QStringLiteral("xfce4-terminal"),
        QStringLiteral("mate-terminal"),
        QStringLiteral("lxterminal"),
        QStringLiteral("qterminal"),
        QStringLiteral("terminator"),
        QStringLiteral("tilix"),
        QStringLiteral("st-256color"),
        QStringLiteral("org.wezfurlong.wezterm"),
        QStringLiteral("foot"),
        QStringLiteral("terminology"),
        QStringLiteral("guake"),
        QStringLiteral("tilda"),
        QStringLiteral("sakura"),
    };
    return classes;
}

bool IsTerminalWindowClass(QByteArrayView wmClass)
{
    for (const QByteArray &name : QByteArray(wmClass.data(), wmClass.size()).split('\0')) {
        if (!name.isEmpty() &&
            TerminalWindowClasses().contains(QString::fromUtf8(name), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace platform
