#include "core/Settings.h"

#include <limits>

namespace Settings {

QString ClientId::defaultValue()
{
    return QStringLiteral(PINLARK_CLIENT_ID);
}

namespace detail {

bool holds(const MConfig &config, const QString &key, const QString &value)
{
    return config.ReadValueDefStr(key, QString()) == value &&
           config.ReadValueDefStr(key, QStringLiteral("?")) == value;
}

bool holds(const MConfig &config, const QString &key, bool value)
{
    return config.ReadValueDefBool(key, false) == value &&
           config.ReadValueDefBool(key, true) == value;
}

bool holds(const MConfig &config, const QString &key, double value)
{
    // Reals are kept in single precision; a missing key reads as NaN, equal to nothing.
    return config.ReadValueDefFloat(key, std::numeric_limits<double>::quiet_NaN()) ==
           static_cast<double>(static_cast<float>(value));
}

} // namespace detail

bool Changes::writeTo(MConfig &config) const
{
    bool wrote = false;
    for (const auto &write : m_writes)
        wrote = write(config) || wrote;
    return wrote;
}

} // namespace Settings
