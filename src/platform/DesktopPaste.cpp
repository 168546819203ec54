#include "platform/DesktopPaste.h"

#include <QGuiApplication>
#include <QTimer>

std::unique_ptr<DesktopPaste> DesktopPaste::Create(QObject *parent)
{
    std::unique_ptr<DesktopPaste> made;
#if !defined(Q_OS_MACOS) && !defined(Q_OS_WIN)
    if (QGuiApplication::platformName() == u"xcb")
        made = CreateX11DesktopPaste(parent);
#endif
    if (!made)
        made.reset(new DesktopPaste(parent));
    return made;
}

void DesktopPaste::pasteIntoRemembered(const QString &text)
{
    Q_UNUSED(text);
    QTimer::singleShot(0, this, [this] { emit finished(Outcome::NotPasted); });
}

bool DesktopPaste::HasSeveralLines(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}
