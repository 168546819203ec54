#pragma once

#include "core/Preferences.h"

#include <QObject>

class DesktopIntegration;

// The preferences in effect, and the Preferences window's wiring: each change applies
// at once and is saved, and the window says how the global shortcut fares.
class PreferencesController : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesController(DesktopIntegration *desktop, QObject *parent = nullptr);

    // Reads the preferences from the settings file and takes up the global shortcut.
    void load();
    const Preferences::Values &values() const { return m_Values; }
    // Runs the Preferences window; returns when it has closed.
    void showWindow();

signals:
    // Copy without the name, or copy formatting, changed.
    void copyOptionsChanged();
    void startAtLoginChosen(bool on);
    // A client id was chosen and saved: the service settings are to be read again.
    void clientIdSaved();

private:
    DesktopIntegration *m_Desktop;
    Preferences::Values m_Values;
};
