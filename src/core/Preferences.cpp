#include "core/Preferences.h"

#include "core/MConfig.h"
#include "core/MGlobals.h"

#include <QRegularExpression>

namespace Preferences {

Values Read(const QString &path)
{
    const MConfig config(path);
    Values values;
    values.globalShortcut = Settings::Read<Settings::GlobalShortcut>(config);
    values.pasteAfterCopy = Settings::Read<Settings::PasteAfterCopy>(config);
    values.copyWithoutName = Settings::Read<Settings::CopyWithoutName>(config);
    values.copyFormatting = Settings::Read<Settings::CopyFormatting>(config);
    values.orderByUse = Settings::Read<Settings::OrderByUse>(config);
    return values;
}

namespace {

template <typename K> bool Save(const typename K::Value &value)
{
    return MGlobals::SaveSettings(Settings::Changes().set<K>(value));
}

} // namespace

bool SaveGlobalShortcut(const QString &portableText)
{
    return Save<Settings::GlobalShortcut>(portableText);
}

bool SavePasteAfterCopy(bool on)
{
    return Save<Settings::PasteAfterCopy>(on);
}

bool SaveCopyWithoutName(bool on)
{
    return Save<Settings::CopyWithoutName>(on);
}

bool SaveCopyFormatting(bool on)
{
    return Save<Settings::CopyFormatting>(on);
}

bool SaveOrderByUse(bool on)
{
    return Save<Settings::OrderByUse>(on);
}

bool SaveClientId(const QString &clientId)
{
    return Save<Settings::ClientId>(clientId);
}

QString StoredClientId(const QString &path)
{
    return Settings::Read<Settings::ClientId>(MConfig(path), QString());
}

std::optional<QString> ClientIdFromText(const QString &text)
{
    // The form the admin center shows, with or without the braces of other tools.
    static const QRegularExpression guid(
        QStringLiteral(R"(^\{?([0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12})\}?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QString();
    const QRegularExpressionMatch match = guid.match(trimmed);
    if (!match.hasMatch() || (trimmed.startsWith(u'{') != trimmed.endsWith(u'}')))
        return std::nullopt;
    return match.captured(1).toLower();
}

} // namespace Preferences
