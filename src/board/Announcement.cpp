#include "board/Announcement.h"

#include <QAccessible>

namespace {

std::function<void(QObject *)> &announcementListener()
{
    static std::function<void(QObject *)> listener;
    return listener;
}

} // namespace

void AnnounceToScreenReader(QObject *object)
{
    if (const auto &listener = announcementListener())
        listener(object);
    QAccessibleEvent announcement(object, QAccessible::Alert);
    QAccessible::updateAccessibility(&announcement);
}

void SetAnnouncementListener(std::function<void(QObject *object)> listener)
{
    announcementListener() = std::move(listener);
}
