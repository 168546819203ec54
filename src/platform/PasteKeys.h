#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace platform {

// The window classes (WM_CLASS) of terminals. A terminal reads Ctrl+V as a control
// character, so it takes Ctrl+Shift+V for paste.
const QStringList &TerminalWindowClasses();

// Whether a WM_CLASS value (instance name and class name, each ended by a NUL) names
// a terminal; either name counts, in any case.
bool IsTerminalWindowClass(QByteArrayView wmClass);

} // namespace platform
