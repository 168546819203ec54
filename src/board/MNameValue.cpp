#include "board/MNameValue.h"

#include <limits>

MNameValue::MNameValue(const QString &name, QString valueText, const QString &html)
    : value(std::move(valueText))
{
    const qsizetype at = value.indexOf(name);
    constexpr qsizetype kMax = std::numeric_limits<qint32>::max();
    if (at >= 0 && at <= kMax && name.size() <= kMax) {
        m_NameFrom = static_cast<qint32>(at);
        m_NameSize = static_cast<qint32>(name.size());
    } else {
        m_Rare = new Rare;
        m_Rare->name = name;
        m_NameFrom = -1;
    }
    if (!html.isEmpty()) {
        if (!m_Rare)
            m_Rare = new Rare;
        m_Rare->html = html;
    }
}

QString MNameValue::name() const
{
    if (m_NameFrom < 0)
        return m_Rare->name;
    return value.mid(m_NameFrom, m_NameSize);
}
