#pragma once

#include <QRect>

class QWidget;

// Where the board's window goes: the stored place at start-up (kept on a screen), by
// the tray icon when opened from it, and back into the settings at exit when the user
// moved or resized it.
class TrayPlacement
{
public:
    explicit TrayPlacement(QWidget *window) : m_Window(window) {}

    // The top-right corner of the primary screen, as the default the settings use.
    void storeDefaultPosition() const;
    // Sizes and places the window as the settings say.
    void placeAtStart();
    // Beside the tray icon at `icon`, when the platform says where that is and the
    // window is hidden; the place the user chose is kept for the settings.
    void placeNearIcon(const QRect &icon);
    // Saves the window's place and size when the user changed them; true if so.
    bool saveIfMoved() const;

private:
    QWidget *m_Window;
    // Where start-up put the window: only a move or resize by the user is saved.
    QRect m_PlacedGeometry;
};
