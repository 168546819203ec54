#pragma once

#include "app/AppDelegate.h"

#include <QMenu>

// The status item's menu, each command wired to its handler in the shell; the
// commands whose service the shell was given without are left out.
class StatusMenu : public QMenu
{
    Q_OBJECT

public:
    StatusMenu(AppDelegate *app, const AppDelegate::Services &services);

    // The check mark for the autostart entry; null where the desktop has none.
    QAction *startAtLoginAction() const { return m_StartAtLoginAction; }

private:
    QAction *m_StartAtLoginAction = nullptr;
};
