#pragma once

#include <QString>
#include <optional>

// The settings the Preferences window changes, beside the ones MGlobals keeps for
// both threads. They are the main thread's alone: read once at start-up and saved
// one key at a time, when the user changes it, so that a key left alone keeps its
// default out of the file.
namespace Preferences {

inline constexpr auto kGlobalShortcutKey = "GlobalShortcut";
inline constexpr auto kPasteAfterCopyKey = "PasteAfterCopy";
inline constexpr auto kCopyWithoutNameKey = "CopyWithoutName";
inline constexpr auto kCopyFormattingKey = "CopyFormatting";
inline constexpr auto kOrderByUseKey = "OrderByUse";
inline constexpr auto kClientIdKey = "ClientId";
// Free on GNOME, KDE Plasma, Xfce and Cinnamon, which keep Super+V and the other
// Ctrl+Alt letters for themselves; "V" as in paste (docs/architecture.md).
inline constexpr auto kDefaultGlobalShortcut = "Ctrl+Alt+V";

struct Values
{
    // A key sequence in Qt's portable text; empty turns the shortcut off.
    QString globalShortcut = QString::fromLatin1(kDefaultGlobalShortcut);
    bool pasteAfterCopy = false;
    bool copyWithoutName = false;
    // Formatted items go to the clipboard as HTML beside the plain text.
    bool copyFormatting = true;
    // Close matches of equal rank go to the items copied most often, counted in a
    // file of the data folder.
    bool orderByUse = false;
};

// The values in the settings file at `path`; a key that is missing, or holds the
// wrong type, gives its default.
Values Read(const QString &path);

// Each writes its one key into the settings file (MGlobals::SaveSettings); false,
// with SaveFailed raised, when the file could not be written.
bool SaveGlobalShortcut(const QString &portableText);
bool SavePasteAfterCopy(bool on);
bool SaveCopyWithoutName(bool on);
bool SaveCopyFormatting(bool on);
bool SaveOrderByUse(bool on);
bool SaveClientId(const QString &clientId);

// The client id the user typed, as the file keeps it: a GUID in lower case without
// braces, or empty for the built-in one. Nothing when the text is not a GUID.
std::optional<QString> ClientIdFromText(const QString &text);

} // namespace Preferences
