#pragma once

#include "core/MConfig.h"

#include <QString>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

// Every key of the settings file, each with its type, its default and what a stored
// value may be, in this one place. Code names a key by its type
// (Settings::WindowWidth), so a misspelt key does not compile, and every reader of a
// key gets the same default and the same clamp.
//
// Read a key with Settings::Read, save keys with a Settings::Changes handed to
// MGlobals::SaveSettings (or MGlobals::SaveConfig for the shared state). Use MConfig
// itself only for a key this table does not know.
namespace Settings {

// What every key has in common. `clamp` turns a stored value into the one the app
// uses; nothing means the value is of no use, and the default holds.
template <typename T> struct Key
{
    using Value = T;
    static std::optional<Value> clamp(const Value &stored) { return stored; }
};

// A hand-edited file may hold anything: a position or size that is not a finite
// number is of no use.
struct Geometry : Key<double>
{
    static std::optional<Value> clamp(Value stored)
    {
        return std::isfinite(stored) ? std::optional(stored) : std::nullopt;
    }
};

// A text that, left empty, means "the built-in one".
struct TextOrBuiltIn : Key<QString>
{
    static std::optional<Value> clamp(const Value &stored)
    {
        return stored.isEmpty() ? std::nullopt : std::optional(stored);
    }
};

// --- The main window, in the file's terms: left edge, top edge with y growing
// upwards from the primary screen's bottom, width, height. The position has no
// default of its own: it is computed from the screen at start-up.

struct WindowX : Geometry
{
    static QString name() { return QStringLiteral("WindowX"); }
};
struct WindowY : Geometry
{
    static QString name() { return QStringLiteral("WindowY"); }
};
struct WindowWidth : Geometry
{
    static QString name() { return QStringLiteral("WindowWidth"); }
    static Value defaultValue() { return 360; }
};
struct WindowHeight : Geometry
{
    static QString name() { return QStringLiteral("WindowHeight"); }
    static Value defaultValue() { return 600; }
};

// --- The sign-in. The tokens stay empty in the file while the keyring holds them.

struct OnlineOneNoteAccessToken : Key<QString>
{
    static QString name() { return QStringLiteral("OnlineOneNoteAccessToken"); }
    static Value defaultValue() { return {}; }
};
struct OnlineOneNoteRefreshToken : Key<QString>
{
    static QString name() { return QStringLiteral("OnlineOneNoteRefreshToken"); }
    static Value defaultValue() { return {}; }
};
struct OnlineOneNoteAccountId : Key<QString>
{
    static QString name() { return QStringLiteral("OnlineOneNoteAccountId"); }
    static Value defaultValue() { return {}; }
};
struct OnlineOneNoteUserId : Key<QString>
{
    static QString name() { return QStringLiteral("OnlineOneNoteUserId"); }
    static Value defaultValue() { return {}; }
};

// --- Where the services are; the file may point them at a local stand-in. An
// address that may not carry tokens is refused where it is loaded, not here, so
// that the refusal can name its key.

struct IdentityRoot : TextOrBuiltIn
{
    static QString name() { return QStringLiteral("IdentityRoot"); }
    static Value defaultValue() { return QStringLiteral("https://login.microsoftonline.com"); }
};
struct RedirectAddress : TextOrBuiltIn
{
    static QString name() { return QStringLiteral("RedirectAddress"); }
    static Value defaultValue()
    {
        return QStringLiteral("https://login.live.com/oauth20_desktop.srf");
    }
};
struct GraphRoot : TextOrBuiltIn
{
    static QString name() { return QStringLiteral("GraphRoot"); }
    static Value defaultValue() { return QStringLiteral("https://graph.microsoft.com"); }
};
// The application's id at the identity platform. The default is the one built in
// with the PINLARK_CLIENT_ID build setting, empty when none was; the Preferences
// window keeps the user's own here, or empty for the built-in one.
struct ClientId : TextOrBuiltIn
{
    static QString name() { return QStringLiteral("ClientId"); }
    static Value defaultValue();
};

// --- Where the tokens came from and where they are kept (no secret in either).

// The roots that issued the tokens, recorded beside them by every save; a file
// without the record counts as issued by the roots it names, so there is no
// default here: the reader passes the root in use.
struct TokensIssuedByIdentityRoot : Key<QString>
{
    static QString name() { return QStringLiteral("TokensIssuedByIdentityRoot"); }
};
struct TokensIssuedByGraphRoot : Key<QString>
{
    static QString name() { return QStringLiteral("TokensIssuedByGraphRoot"); }
};
// "keyring" or "file"; anything else, or none, is the keyring when it answers.
struct TokenStore : Key<QString>
{
    static QString name() { return QStringLiteral("TokenStore"); }
    static Value defaultValue() { return {}; }
    static std::optional<Value> clamp(const Value &stored) { return stored.trimmed().toLower(); }
};
// "keyring" while the keyring holds a sign-in, so that a keyring still locked at
// the next start is waited for; empty otherwise.
struct TokensKeptIn : Key<QString>
{
    static QString name() { return QStringLiteral("TokensKeptIn"); }
    static Value defaultValue() { return {}; }
    static Value keyring() { return QStringLiteral("keyring"); }
};

// --- The Preferences window's. Saved one at a time, when the user changes one, so
// that a key left alone keeps its default out of the file.

// A key sequence in Qt's portable text; empty turns the shortcut off. The default
// is free on GNOME, KDE Plasma, Xfce and Cinnamon, which keep Super+V and the other
// Ctrl+Alt letters for themselves; "V" as in paste.
struct GlobalShortcut : Key<QString>
{
    static QString name() { return QStringLiteral("GlobalShortcut"); }
    static Value defaultValue() { return QStringLiteral("Ctrl+Alt+V"); }
};
struct PasteAfterCopy : Key<bool>
{
    static QString name() { return QStringLiteral("PasteAfterCopy"); }
    static Value defaultValue() { return false; }
};
struct CopyWithoutName : Key<bool>
{
    static QString name() { return QStringLiteral("CopyWithoutName"); }
    static Value defaultValue() { return false; }
};
// Formatted items go to the clipboard as HTML beside the plain text.
struct CopyFormatting : Key<bool>
{
    static QString name() { return QStringLiteral("CopyFormatting"); }
    static Value defaultValue() { return true; }
};
// Close matches of equal rank go to the items copied most often.
struct OrderByUse : Key<bool>
{
    static QString name() { return QStringLiteral("OrderByUse"); }
    static Value defaultValue() { return false; }
};

// --- Reading and writing by type.

namespace detail {

inline QString read(const MConfig &config, const QString &key, const QString &def)
{
    return config.ReadValueDefStr(key, def);
}
inline bool read(const MConfig &config, const QString &key, bool def)
{
    return config.ReadValueDefBool(key, def);
}
inline double read(const MConfig &config, const QString &key, double def)
{
    return config.ReadValueDefFloat(key, def);
}

inline void write(MConfig &config, const QString &key, const QString &value)
{
    config.WriteValueStr(key, value);
}
inline void write(MConfig &config, const QString &key, bool value)
{
    config.WriteValueBool(key, value);
}
inline void write(MConfig &config, const QString &key, double value)
{
    config.WriteValueFloat(key, value);
}

// The file holds `value` under `key` as it would be written: two reads with
// different defaults agree on it only then (a missing key, or a value of another
// type, gives each read its own default).
bool holds(const MConfig &config, const QString &key, const QString &value);
bool holds(const MConfig &config, const QString &key, bool value);
bool holds(const MConfig &config, const QString &key, double value);

} // namespace detail

// The key's value in `config`, clamped; `def` when it is missing or of no use.
template <typename K> typename K::Value Read(const MConfig &config, const typename K::Value &def)
{
    return K::clamp(detail::read(config, K::name(), def)).value_or(def);
}

template <typename K> typename K::Value Read(const MConfig &config)
{
    return Read<K>(config, K::defaultValue());
}

// Values to save together. A save writes only those the file does not hold
// already, and keeps every other key.
class Changes
{
public:
    template <typename K> Changes &set(const typename K::Value &value)
    {
        m_writes.push_back([value](MConfig &config) {
            if (detail::holds(config, K::name(), value))
                return false;
            detail::write(config, K::name(), value);
            return true;
        });
        return *this;
    }

    // Writes into `config` what it does not hold; whether anything was written.
    bool writeTo(MConfig &config) const;

private:
    std::vector<std::function<bool(MConfig &)>> m_writes;
};

} // namespace Settings
