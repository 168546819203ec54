#pragma once

#include <QIcon>
#include <QObject>

class QLabel;
class QMenu;
class QSystemTrayIcon;

// The status item in the tray and the image on the board: both show whether the
// user is signed in, and the tooltip says it, "Connected" or "Disconnected".
class StatusItem : public QObject
{
    Q_OBJECT

public:
    explicit StatusItem(QLabel *image, QObject *parent = nullptr);

    // Puts the item in the tray, connected at first whatever is stored, with
    // `menu` on its right button.
    void show(QMenu *menu);
    QSystemTrayIcon *trayIcon() const { return m_TrayIcon; }
    bool connected() const { return m_Connected; }
    void setConnected(bool connected);
    QString toolTip() const;

signals:
    // The left button: Linux desktops keep the menu on the right one.
    void activated();

private:
    QLabel *m_Image;
    QSystemTrayIcon *m_TrayIcon = nullptr;
    QIcon statusImage;
    QIcon statusHighlightImage;
    QIcon statusImageError;
    bool m_Connected = true;
};
