#include "platform/PlistDict.h"

#include <limits>
#include <plist/plist.h>

namespace platform {

void PlistDict::Deleter::operator()(void *node) const
{
    plist_free(static_cast<plist_t>(node));
}

PlistDict::PlistDict() : m_node(plist_new_dict()) {}
PlistDict::PlistDict(void *node) : m_node(node) {}
PlistDict::~PlistDict() = default;
PlistDict::PlistDict(PlistDict &&) noexcept = default;
PlistDict &PlistDict::operator=(PlistDict &&) noexcept = default;

std::optional<PlistDict> PlistDict::fromData(QByteArrayView data)
{
    if (data.isEmpty() || data.size() > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    plist_t root = nullptr;
    plist_from_memory(data.data(), static_cast<uint32_t>(data.size()), &root);
    if (!root)
        return std::nullopt;
    if (plist_get_node_type(root) != PLIST_DICT) {
        plist_free(root);
        return std::nullopt;
    }
    return PlistDict(root);
}

QVariant PlistDict::value(const QString &key) const
{
    const QByteArray k = key.toUtf8();
    plist_t item = plist_dict_get_item(static_cast<plist_t>(m_node.get()), k.constData());
    if (!item)
        return {};
    switch (plist_get_node_type(item)) {
    case PLIST_STRING: {
        char *s = nullptr;
        plist_get_string_val(item, &s);
        QString text = QString::fromUtf8(s ? s : "");
        free(s);
        return text;
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(item, &d);
        return d;
    }
    case PLIST_UINT: {
        uint64_t u = 0;
        plist_get_uint_val(item, &u);
        return static_cast<qint64>(u);
    }
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(item, &b);
        return b != 0;
    }
    default:
        return {};
    }
}

bool PlistDict::contains(const QString &key) const
{
    const QByteArray k = key.toUtf8();
    return plist_dict_get_item(static_cast<plist_t>(m_node.get()), k.constData()) != nullptr;
}

void PlistDict::set(const QString &key, void *node)
{
    const QByteArray k = key.toUtf8();
    plist_dict_set_item(static_cast<plist_t>(m_node.get()), k.constData(),
                        static_cast<plist_t>(node));
}

void PlistDict::setString(const QString &key, const QString &value)
{
    set(key, plist_new_string(value.toUtf8().constData()));
}

void PlistDict::setReal(const QString &key, double value)
{
    set(key, plist_new_real(value));
}

void PlistDict::setInteger(const QString &key, qint64 value)
{
    set(key, plist_new_uint(static_cast<uint64_t>(value)));
}

void PlistDict::setBool(const QString &key, bool value)
{
    set(key, plist_new_bool(value ? 1 : 0));
}

QByteArray PlistDict::toXml() const
{
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(static_cast<plist_t>(m_node.get()), &xml, &length);
    QByteArray out(xml, static_cast<qsizetype>(length));
    plist_to_xml_free(xml);
    return out;
}

} // namespace platform
