#include "core/MConfig.h"

#include "core/MProblems.h"
#include "platform/SafeWrite.h"

namespace {

const QString kDateFormat = QStringLiteral("yyyyMMdd");

// Numbers and numeric strings are accepted where a number is expected.
std::optional<double> asNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::LongLong:
    case QMetaType::Bool:
        return value.toDouble();
    case QMetaType::QString: {
        bool ok = false;
        const double d = value.toString().trimmed().toDouble(&ok);
        return ok ? std::optional(d) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

MConfig::MConfig(const QString &path) : m_FileName(path)
{
    using Status = platform::FileBytes::Status;
    const platform::FileBytes file = platform::ReadWholeFile(path);
    switch (file.status) {
    case Status::Missing:
        m_Dict.emplace();
        return;
    case Status::Unreadable:
        return;
    case Status::TooLarge:
        // Kept as it is, as a file that is not a property list would be, and named.
        MProblems::Raise(MProblem::FileTooLarge);
        return;
    case Status::Read:
        break;
    }
    // An empty file holds nothing to keep (a full disk may have left it so): read it
    // as no file, so that the next save can write it again.
    if (file.bytes.isEmpty())
        m_Dict.emplace();
    else
        m_Dict = platform::PlistDict::fromData(file.bytes);
}

QString MConfig::ReadValueDefStr(const QString &key, const QString &defStr) const
{
    if (!m_Dict)
        return defStr;
    const QVariant value = m_Dict->value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : defStr;
}

bool MConfig::ReadValueDefBool(const QString &key, bool defBool) const
{
    if (!m_Dict)
        return defBool;
    const QVariant value = m_Dict->value(key);
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed().toLower();
        if (text == u"yes" || text == u"true")
            return true;
    }
    const auto number = asNumber(value);
    return number ? *number != 0 : defBool;
}

qint64 MConfig::ReadValueDefInt(const QString &key, qint64 defInt) const
{
    if (!m_Dict)
        return defInt;
    const auto number = asNumber(m_Dict->value(key));
    // A real beyond qint64 (1e300, inf, nan) has no integer value; converting it
    // anyway is undefined behaviour.
    if (!number || !(*number >= -0x1p63 && *number < 0x1p63))
        return defInt;
    return static_cast<qint64>(*number);
}

double MConfig::ReadValueDefFloat(const QString &key, double defFloat) const
{
    if (!m_Dict)
        return defFloat;
    const auto number = asNumber(m_Dict->value(key));
    return number ? static_cast<double>(static_cast<float>(*number)) : defFloat;
}

std::optional<QDateTime> MConfig::ReadValueDefDate(const QString &key,
                                                   std::optional<QDateTime> defDate) const
{
    if (!m_Dict || !m_Dict->contains(key))
        return defDate;
    const QVariant value = m_Dict->value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QDate date = QDate::fromString(value.toString(), kDateFormat);
    if (!date.isValid())
        return std::nullopt;
    return date.startOfDay(Qt::LocalTime);
}

void MConfig::WriteValueStr(const QString &key, const QString &value)
{
    if (m_Dict)
        m_Dict->setString(key, value);
}

void MConfig::WriteValueInt(const QString &key, qint64 value)
{
    if (m_Dict)
        m_Dict->setInteger(key, value);
}

void MConfig::WriteValueBool(const QString &key, bool value)
{
    if (m_Dict)
        m_Dict->setBool(key, value);
}

void MConfig::WriteValueFloat(const QString &key, double value)
{
    if (m_Dict)
        m_Dict->setReal(key, static_cast<double>(static_cast<float>(value)));
}

void MConfig::WriteValueDate(const QString &key, const QDateTime &value)
{
    if (m_Dict)
        m_Dict->setString(key, value.toLocalTime().toString(kDateFormat));
}

bool MConfig::Save() const
{
    if (!m_Dict)
        return false;
    // The file holds tokens; an older file made with a looser mode is tightened too.
    return platform::SafeWrite(m_FileName, m_Dict->toXml());
}
