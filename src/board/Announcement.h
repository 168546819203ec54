#pragma once

#include <functional>

class QObject;

// Asks assistive technology (a screen reader) to read `object` out now, as an alert:
// a label that appears is not read by itself, as a control that takes the focus is.
// The platform passes it on only while a screen reader listens.
void AnnounceToScreenReader(QObject *object);

// For tests: hears every announcement, whether a screen reader listens or not. An
// empty listener stops listening.
void SetAnnouncementListener(std::function<void(QObject *object)> listener);
