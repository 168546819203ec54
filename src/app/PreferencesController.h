#pragma once

#include "board/BoardSearch.h"
#include "core/Preferences.h"

#include <QObject>
#include <memory>

class DesktopIntegration;
struct MNameValue;
class UseCounts;

// The preferences in effect, and the Preferences window's wiring: each change applies
// at once and is saved, and the window says how the global shortcut fares.
class PreferencesController : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesController(DesktopIntegration *desktop, QObject *parent = nullptr);
    ~PreferencesController() override;

    // Reads the preferences from the settings file and takes up the global shortcut.
    void load();
    const Preferences::Values &values() const { return m_Values; }
    // Runs the Preferences window; returns when it has closed.
    void showWindow();
    // Counts a copy for ordering close matches, while "Order by use" is on.
    void countUse(const MNameValue &item);
    // How often an item was copied, for the search; none while "Order by use" is off
    // or nothing was counted yet.
    UseCountOf useCountOf();

signals:
    // Copy without the name, or copy formatting, changed.
    void copyOptionsChanged();
    void startAtLoginChosen(bool on);
    // A client id was chosen and saved: the service settings are to be read again.
    void clientIdSaved();

private:
    DesktopIntegration *m_Desktop;
    Preferences::Values m_Values;
    std::unique_ptr<UseCounts> m_UseCounts;

    // The copy counts, read from the data folder on first use.
    UseCounts &useCounts();
};
