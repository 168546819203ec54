#pragma once

#include <QByteArray>
#include <QString>

// Start at login on desktops that follow the XDG autostart rules (Linux and the
// BSDs): a desktop entry in $XDG_CONFIG_HOME/autostart, ~/.config/autostart by
// default, that starts this very binary. Files only, no widgets.
namespace Autostart {

// Where this user's entry for the app lives.
QString EntryPath();

// True when the entry is there and the desktop would run it: an entry marked
// Hidden, or switched off in GNOME's terms, starts nothing.
bool IsEnabled(const QString &path = EntryPath());
// Writes the entry (through a complete, checked write) for `executable`; false,
// with no entry changed, when it cannot be written.
bool Enable(const QString &executable, const QString &path = EntryPath());
// Removes the entry; true when there is none afterwards.
bool Disable(const QString &path = EntryPath());

// The entry's text for `executable`.
QByteArray EntryText(const QString &executable);
// `program` as one argument of an Exec line: quoted, with the characters the
// desktop entry rules reserve escaped, so that any path runs as itself.
QString ExecArgument(const QString &program);

} // namespace Autostart
