#pragma once

#include <QList>
#include <Qt>
#include <optional>

namespace platform {

// What an X server is asked to grab for one key combination: a keysym (turned into
// the keycodes that type it by the server's keymap) and the core modifier bits. No
// connection to a display is needed to work these out.
struct X11KeyChord
{
    quint32 keysym = 0;
    quint16 modifiers = 0;

    friend bool operator==(const X11KeyChord &, const X11KeyChord &) = default;
};

// The core protocol's modifier bits, as key events report them.
inline constexpr quint16 kX11ShiftMask = 1u << 0;
inline constexpr quint16 kX11LockMask = 1u << 1;
inline constexpr quint16 kX11ControlMask = 1u << 2;
inline constexpr quint16 kX11Mod1Mask = 1u << 3; // Alt on every common keymap
inline constexpr quint16 kX11Mod2Mask = 1u << 4; // usually NumLock
inline constexpr quint16 kX11Mod4Mask = 1u << 6; // Super (Qt's Meta)

// The chord for a key combination; nothing for a key no keysym names (a modifier
// alone, an unknown key) or a combination without Ctrl, Alt or Meta that would take
// an ordinary key away from every program (a bare F-key or media key is allowed).
std::optional<X11KeyChord> X11ChordFor(QKeyCombination combination);

// A passive grab matches the modifier state exactly, and NumLock and CapsLock are
// part of that state: the chord is grabbed once for each way they may be set.
QList<quint16> X11GrabStates(quint16 modifiers, quint16 numLockMask);

// Whether a key event's state is the chord's modifiers, whatever the locks.
bool X11StateMatches(quint16 state, quint16 modifiers, quint16 numLockMask);

} // namespace platform
