#include "app/MConfig.h"

#include <QFile>
#include <QSaveFile>

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
    QFile file(path);
    if (!file.exists()) {
        m_Dict.emplace();
        return;
    }
    if (file.open(QIODevice::ReadOnly))
        m_Dict = platform::PlistDict::fromData(file.readAll());
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
    return number ? static_cast<qint64>(*number) : defInt;
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
    QSaveFile file(m_FileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(m_Dict->toXml());
    // The file holds tokens; an older file made with a looser mode is tightened too.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return file.commit();
}
