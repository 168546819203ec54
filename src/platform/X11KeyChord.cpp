#include "platform/X11KeyChord.h"

#include "platform/GlobalShortcut.h"

#include <QChar>

namespace platform {

namespace {

// Keys whose keysym is not their character. Values from the X keysym tables.
struct SpecialKey
{
    int key;
    quint32 keysym;
};

constexpr SpecialKey kSpecialKeys[] = {
    {Qt::Key_Escape, 0xff1b},         {Qt::Key_Tab, 0xff09},
    {Qt::Key_Backtab, 0xfe20},        {Qt::Key_Backspace, 0xff08},
    {Qt::Key_Return, 0xff0d},         {Qt::Key_Enter, 0xff8d},
    {Qt::Key_Insert, 0xff63},         {Qt::Key_Delete, 0xffff},
    {Qt::Key_Pause, 0xff13},          {Qt::Key_Print, 0xff61},
    {Qt::Key_Home, 0xff50},           {Qt::Key_End, 0xff57},
    {Qt::Key_Left, 0xff51},           {Qt::Key_Up, 0xff52},
    {Qt::Key_Right, 0xff53},          {Qt::Key_Down, 0xff54},
    {Qt::Key_PageUp, 0xff55},         {Qt::Key_PageDown, 0xff56},
    {Qt::Key_Menu, 0xff67},           {Qt::Key_ScrollLock, 0xff14},
    {Qt::Key_VolumeDown, 0x1008ff11}, {Qt::Key_VolumeMute, 0x1008ff12},
    {Qt::Key_VolumeUp, 0x1008ff13},   {Qt::Key_MediaPlay, 0x1008ff14},
    {Qt::Key_MediaStop, 0x1008ff15},  {Qt::Key_MediaPrevious, 0x1008ff16},
    {Qt::Key_MediaNext, 0x1008ff17},
};

std::optional<quint32> keysymFor(int key)
{
    for (const SpecialKey &special : kSpecialKeys) {
        if (special.key == key)
            return special.keysym;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return 0xffbe + quint32(key - Qt::Key_F1);
    // Qt names a character key by its upper-case character; X by the lower-case
    // one, directly within Latin-1 and with 0x01000000 added above it.
    if (key >= 0x20 && key < 0x110000 && key != 0x7f && !(key >= 0x80 && key < 0xa0)) {
        const auto lower = static_cast<quint32>(QChar::toLower(char32_t(key)));
        return lower <= 0xff ? lower : 0x01000000 | lower;
    }
    return std::nullopt;
}

} // namespace

std::optional<X11KeyChord> X11ChordFor(QKeyCombination combination)
{
    const int key = combination.key();
    const std::optional<quint32> keysym = keysymFor(key);
    if (!keysym)
        return std::nullopt;
    const std::optional<unsigned> modifiers = ShortcutModifiers(
        combination, kX11ShiftMask, kX11ControlMask, kX11Mod1Mask, kX11Mod4Mask, true);
    if (!modifiers)
        return std::nullopt;
    return X11KeyChord{*keysym, quint16(*modifiers)};
}

QList<quint16> X11GrabStates(quint16 modifiers, quint16 numLockMask)
{
    QList<quint16> states{modifiers, quint16(modifiers | kX11LockMask)};
    if (numLockMask != 0 && !(modifiers & numLockMask))
        states << quint16(modifiers | numLockMask)
               << quint16(modifiers | numLockMask | kX11LockMask);
    return states;
}

bool X11StateMatches(quint16 state, quint16 modifiers, quint16 numLockMask)
{
    // Only the eight modifier bits; the rest of a state are pointer buttons and
    // the keyboard group.
    const quint16 locks = kX11LockMask | numLockMask;
    return (state & 0xff & ~locks) == modifiers;
}

} // namespace platform
