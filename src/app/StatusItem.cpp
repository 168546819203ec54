#include "app/StatusItem.h"

#include <QLabel>
#include <QSystemTrayIcon>

StatusItem::StatusItem(QLabel *image, QObject *parent) : QObject(parent), m_Image(image) {}

void StatusItem::show(QMenu *menu)
{
    statusImage = QIcon(QStringLiteral(":/Pinlark24.png"));
    statusHighlightImage = QIcon(QStringLiteral(":/Pinlark24.png"));
    statusImageError = QIcon(QStringLiteral(":/Pinlark24err.png"));

    // The first tick corrects it.
    m_Connected = true;
    m_TrayIcon = new QSystemTrayIcon(statusImage, this);
    m_TrayIcon->setContextMenu(menu);
    m_TrayIcon->setToolTip(toolTip());
    connect(m_TrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    emit activated();
            });
    m_TrayIcon->show();
}

QString StatusItem::toolTip() const
{
    return m_Connected ? tr("Connected") : tr("Disconnected");
}

void StatusItem::setConnected(bool connected)
{
    m_Connected = connected;
    if (m_TrayIcon) {
        m_TrayIcon->setIcon(connected ? statusImage : statusImageError);
        m_TrayIcon->setToolTip(toolTip());
    }
    m_Image->setPixmap((connected ? statusImage : statusImageError).pixmap(16, 16));
}
