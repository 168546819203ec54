#include "app/StatusMenu.h"

#include "app/DesktopIntegration.h"

StatusMenu::StatusMenu(AppDelegate *app, const AppDelegate::Services &services)
{
    setObjectName(QStringLiteral("statusMenu"));
    const auto add = [this, app](const QString &title, void (AppDelegate::*command)()) {
        QAction *action = addAction(title);
        connect(action, &QAction::triggered, app, command);
        return action;
    };
    add(tr("Show Pinlark"), &AppDelegate::MenuItemPinlarkClick);
    // The key works on the board; the menu only names it (a shortcut of the
    // menu's own would clash with the board's).
    add(tr("Add Snippet…") + u'\t' +
            QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText),
        &AppDelegate::MenuItemAddSnippetClick);
    add(tr("Open Page in OneNote"), &AppDelegate::MenuItemOpenOneNotePinlarkPageClick);
    add(tr("Refresh"), &AppDelegate::MenuItemRefreshClick);
    if (services.convertClipboardLink) {
        addSeparator();
        add(tr("Convert Link on Clipboard to Text"),
            &AppDelegate::MenuItemDecompositionClipboardLinkClick);
    }
    addSeparator();
    if (services.showStateWindow)
        add(tr("Status…"), &AppDelegate::MenuItemStateWindowClick);
    if (services.runSignIn) {
        add(tr("Sign In…"), &AppDelegate::MenuItemLoginClick);
        add(tr("Sign Out…"), &AppDelegate::MenuItemLogoutClick);
    }
    addSeparator();
    add(tr("Preferences…"), &AppDelegate::MenuItemPreferencesClick);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Desktops that follow the XDG autostart rules; the mark shows what is on disk,
    // looked at each time the menu opens.
    m_StartAtLoginAction = addAction(tr("Start at Login"));
    m_StartAtLoginAction->setCheckable(true);
    connect(m_StartAtLoginAction, &QAction::triggered, app,
            &AppDelegate::MenuItemStartAtLoginClick);
    connect(this, &QMenu::aboutToShow, this,
            [this] { m_StartAtLoginAction->setChecked(DesktopIntegration::startsAtLogin()); });
#endif
    if (services.openHelp || services.showAboutWindow) {
        addSeparator();
        if (services.openHelp)
            add(tr("Help"), &AppDelegate::MenuItemHelpClick);
        if (services.showAboutWindow)
            add(tr("About Pinlark"), &AppDelegate::MenuItemAboutClick);
    }
    addSeparator();
    QAction *quit = addAction(tr("Quit Pinlark"));
    connect(quit, &QAction::triggered, app, &AppDelegate::Terminate, Qt::QueuedConnection);
}
