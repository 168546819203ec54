#pragma once

#include "core/Settings.h"

#include <QString>
#include <optional>

// The settings the Preferences window changes (their keys are in Settings.h),
// beside the ones MGlobals keeps for both threads. They are the main thread's
// alone: read once at start-up and saved one key at a time, when the user changes
// it, so that a key left alone keeps its default out of the file.
namespace Preferences {

struct Values
{
    QString globalShortcut = Settings::GlobalShortcut::defaultValue();
    bool pasteAfterCopy = Settings::PasteAfterCopy::defaultValue();
    bool copyWithoutName = Settings::CopyWithoutName::defaultValue();
    bool copyFormatting = Settings::CopyFormatting::defaultValue();
    // Counted in a file of the data folder.
    bool orderByUse = Settings::OrderByUse::defaultValue();
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
// The client id the settings file at `path` holds, as the Preferences window shows
// it: empty when the built-in one is used.
QString StoredClientId(const QString &path);

// The client id the user typed, as the file keeps it: a GUID in lower case without
// braces, or empty for the built-in one. Nothing when the text is not a GUID.
std::optional<QString> ClientIdFromText(const QString &text);

} // namespace Preferences
