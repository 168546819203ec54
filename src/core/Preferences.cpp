#include "core/Preferences.h"

#include "core/MConfig.h"
#include "core/MGlobals.h"

#include <QRegularExpression>

namespace Preferences {

Values Read(const QString &path)
{
    const MConfig config(path);
    Values values;
    values.globalShortcut =
        config.ReadValueDefStr(QLatin1String(kGlobalShortcutKey), values.globalShortcut);
    values.pasteAfterCopy =
        config.ReadValueDefBool(QLatin1String(kPasteAfterCopyKey), values.pasteAfterCopy);
    values.copyWithoutName =
        config.ReadValueDefBool(QLatin1String(kCopyWithoutNameKey), values.copyWithoutName);
    values.copyFormatting =
        config.ReadValueDefBool(QLatin1String(kCopyFormattingKey), values.copyFormatting);
    values.orderByUse = config.ReadValueDefBool(QLatin1String(kOrderByUseKey), values.orderByUse);
    return values;
}

bool SaveGlobalShortcut(const QString &portableText)
{
    return MGlobals::SaveSettings([&portableText](MConfig &config) {
        config.WriteValueStr(QLatin1String(kGlobalShortcutKey), portableText);
    });
}

bool SavePasteAfterCopy(bool on)
{
    return MGlobals::SaveSettings(
        [on](MConfig &config) { config.WriteValueBool(QLatin1String(kPasteAfterCopyKey), on); });
}

bool SaveCopyWithoutName(bool on)
{
    return MGlobals::SaveSettings(
        [on](MConfig &config) { config.WriteValueBool(QLatin1String(kCopyWithoutNameKey), on); });
}

bool SaveCopyFormatting(bool on)
{
    return MGlobals::SaveSettings(
        [on](MConfig &config) { config.WriteValueBool(QLatin1String(kCopyFormattingKey), on); });
}

bool SaveOrderByUse(bool on)
{
    return MGlobals::SaveSettings(
        [on](MConfig &config) { config.WriteValueBool(QLatin1String(kOrderByUseKey), on); });
}

bool SaveClientId(const QString &clientId)
{
    return MGlobals::SaveSettings([&clientId](MConfig &config) {
        config.WriteValueStr(QLatin1String(kClientIdKey), clientId);
    });
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
