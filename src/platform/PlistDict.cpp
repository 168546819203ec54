#include "platform/PlistDict.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <plist/plist.h>
#include <vector>

namespace platform {

namespace {

// libplist 2.2 builds, copies, writes and frees its trees recursively, one stack
// frame per level, and a binary list's object referred to twice becomes two copies.
// A few hundred bytes can thus ask for gigabytes, or nest deep enough to overflow
// the stack. Settings files are flat; both limits are far above a real one.
constexpr int kMaxNesting = 256;
// Roughly the bytes of the tree libplist would build: a node costs kNodeCost plus
// the bytes of its text or data.
constexpr quint64 kMaxTreeCost = quint64(64) << 20;
constexpr quint64 kNodeCost = 64;

// Sums stay within kMaxTreeCost + 1, so they never overflow.
quint64 addCost(quint64 a, quint64 b)
{
    return std::min(a + b, kMaxTreeCost + 1);
}

// Big-endian unsigned integer of `size` bytes at `at`, if all of it lies in `data`.
std::optional<quint64> readUInt(QByteArrayView data, quint64 at, quint64 size)
{
    const auto end = static_cast<quint64>(data.size());
    if (size < 1 || size > 8 || at > end || end - at < size)
        return std::nullopt;
    quint64 value = 0;
    for (quint64 i = 0; i < size; ++i)
        value = value << 8 | static_cast<uchar>(data[static_cast<qsizetype>(at + i)]);
    return value;
}

// The object table of a binary property list: "bplist00", the objects, a table
// of their offsets, and a 32-byte trailer (6 unused bytes, the size of an offset,
// the size of an object reference, then the object count, the root object and the
// table's offset as 8-byte numbers).
class BinaryObjects
{
public:
    struct Object
    {
        quint64 cost = kNodeCost;
        bool container = false;
        // For an array or set its items; for a dictionary its keys, then its values.
        std::vector<quint64> children;
    };

    bool open(QByteArrayView data)
    {
        constexpr quint64 kHeader = 8;
        constexpr quint64 kTrailer = 32;
        m_data = data;
        if (static_cast<quint64>(data.size()) < kHeader + kTrailer)
            return false;
        m_end = static_cast<quint64>(data.size()) - kTrailer;
        m_offsetSize = static_cast<uchar>(data[static_cast<qsizetype>(m_end + 6)]);
        m_refSize = static_cast<uchar>(data[static_cast<qsizetype>(m_end + 7)]);
        const auto count = readUInt(data, m_end + 8, 8);
        const auto root = readUInt(data, m_end + 16, 8);
        const auto table = readUInt(data, m_end + 24, 8);
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8 || !count ||
            !root || !table)
            return false;
        m_count = *count;
        m_root = *root;
        m_table = *table;
        return m_count > 0 && m_root < m_count && m_table >= kHeader && m_table <= m_end &&
               (m_end - m_table) / m_offsetSize >= m_count;
    }

    quint64 count() const { return m_count; }
    quint64 root() const { return m_root; }

    // Nullopt for an object that libplist would refuse anyway: out of bounds, or a
    // reference to no object.
    std::optional<Object> object(quint64 index) const
    {
        const auto offset = readUInt(m_data, m_table + index * m_offsetSize, m_offsetSize);
        if (!offset || *offset >= m_end)
            return std::nullopt;
        const auto marker = static_cast<uchar>(m_data[static_cast<qsizetype>(*offset)]);
        const int type = marker >> 4;
        quint64 length = marker & 0xF;
        quint64 at = *offset + 1;
        const bool sized =
            type == 0x4 || type == 0x5 || type == 0x6 || type == 0xA || type == 0xC || type == 0xD;
        if (sized && length == 0xF) {
            // The length follows as an integer object of 1, 2, 4 or 8 bytes.
            const auto lengthMarker = readUInt(m_data, at, 1);
            if (!lengthMarker || *lengthMarker >> 4 != 0x1 || (*lengthMarker & 0xF) > 3)
                return std::nullopt;
            const quint64 lengthSize = quint64(1) << (*lengthMarker & 0xF);
            const auto value = readUInt(m_data, at + 1, lengthSize);
            if (!value)
                return std::nullopt;
            length = *value;
            at += 1 + lengthSize;
        }

        Object object;
        switch (type) {
        case 0x4: // data
        case 0x5: // ASCII text
            object.cost = addCost(object.cost, std::min(length, kMaxTreeCost));
            break;
        case 0x6: // UTF-16 text
            object.cost = addCost(object.cost, 2 * std::min(length, kMaxTreeCost));
            break;
        case 0xA:   // array
        case 0xC:   // set
        case 0xD: { // dictionary
            object.container = true;
            if (at > m_end || length > (m_end - at) / m_refSize)
                return std::nullopt;
            const quint64 refs = type == 0xD ? 2 * length : length;
            if (refs > (m_end - at) / m_refSize)
                return std::nullopt;
            object.children.reserve(refs);
            for (quint64 i = 0; i < refs; ++i) {
                const auto ref = readUInt(m_data, at + i * m_refSize, m_refSize);
                if (!ref || *ref >= m_count)
                    return std::nullopt;
                object.children.push_back(*ref);
            }
            break;
        }
        default: // numbers, dates, booleans, identifiers: a few bytes each
            break;
        }
        return object;
    }

private:
    QByteArrayView m_data;
    quint64 m_end = 0;
    quint64 m_offsetSize = 0;
    quint64 m_refSize = 0;
    quint64 m_count = 0;
    quint64 m_root = 0;
    quint64 m_table = 0;
};

// Whether the tree libplist would build from this binary list stays within the
// limits. Walks the object graph without recursion, each object once.
bool binaryTreeWithinLimits(QByteArrayView data)
{
    BinaryObjects objects;
    if (!objects.open(data))
        return false;

    enum class State : uchar { New, Open, Done };
    struct Shape
    {
        State state = State::New;
        int nesting = 0; // containers on the deepest path through the object
        quint64 cost = 0;
    };
    std::vector<Shape> shapes(objects.count());
    struct Frame
    {
        quint64 index;
        BinaryObjects::Object object;
        size_t next = 0;
    };
    std::vector<Frame> stack;

    const auto push = [&](quint64 index) {
        auto object = objects.object(index);
        if (!object || stack.size() > kMaxNesting)
            return false;
        shapes[index].state = State::Open;
        stack.push_back({index, std::move(*object)});
        return true;
    };
    if (!push(objects.root()))
        return false;
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.next < frame.object.children.size()) {
            const quint64 child = frame.object.children[frame.next++];
            // A cycle: libplist refuses those as well.
            if (shapes[child].state == State::Open)
                return false;
            if (shapes[child].state == State::New && !push(child))
                return false;
            continue;
        }
        Shape &shape = shapes[frame.index];
        shape.cost = frame.object.cost;
        for (const quint64 child : frame.object.children) {
            shape.cost = addCost(shape.cost, shapes[child].cost);
            shape.nesting = std::max(shape.nesting, shapes[child].nesting);
        }
        if (frame.object.container)
            ++shape.nesting;
        if (shape.cost > kMaxTreeCost || shape.nesting > kMaxNesting)
            return false;
        shape.state = State::Done;
        stack.pop_back();
    }
    return true;
}

// An XML list holds no shared objects, and it cannot nest deeper than the
// dictionaries and arrays it holds in all (libplist knows them only by these tags).
bool xmlTreeWithinLimits(QByteArrayView data)
{
    return data.count("<dict") + data.count("<array") <= kMaxNesting;
}

// Whether a string holds a NUL: libplist 2.2 asserts when asked for such a value with
// plist_get_string_val, and writes it as broken XML.
bool holdsNul(plist_t string)
{
    uint64_t length = 0;
    const char *text = plist_get_string_ptr(string, &length);
    return !text || std::memchr(text, 0, length) != nullptr;
}

// A key's text, or nullopt when it holds a NUL (a UTF-16 key of a binary list can).
// libplist 2.2 asserts when asked for such a key and has no call that gives a key's
// length, but its XML writer copies the key's bytes whole.
std::optional<QByteArray> keyText(plist_t key)
{
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(key, &xml, &length);
    const bool nul = !xml || std::memchr(xml, 0, length) != nullptr;
    plist_to_xml_free(xml);
    if (nul)
        return std::nullopt;
    char *text = nullptr;
    plist_get_key_val(key, &text);
    std::optional<QByteArray> out;
    if (text)
        out = QByteArray(text);
    std::free(text);
    return out;
}

// A copy of `node` that reads as it is written back: each dictionary holds every key
// once, with the last value given for it (as libplist's XML reader does), and a string
// or key holding a NUL is left out with its entry, which then reads as missing. Null
// when `node` itself is left out.
plist_t cleanCopy(plist_t node)
{
    switch (plist_get_node_type(node)) {
    case PLIST_STRING:
        return holdsNul(node) ? nullptr : plist_copy(node);
    case PLIST_ARRAY: {
        plist_t array = plist_new_array();
        plist_array_iter it = nullptr;
        plist_array_new_iter(node, &it);
        for (plist_t item = nullptr;;) {
            plist_array_next_item(node, it, &item);
            if (!item)
                break;
            if (plist_t copy = cleanCopy(item))
                plist_array_append_item(array, copy);
        }
        std::free(it);
        return array;
    }
    case PLIST_DICT: {
        plist_t dict = plist_new_dict();
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        for (plist_t value = nullptr;;) {
            plist_dict_next_item(node, it, nullptr, &value);
            if (!value)
                break;
            const std::optional<QByteArray> key = keyText(plist_dict_item_get_key(value));
            if (!key)
                continue;
            if (plist_t copy = cleanCopy(value))
                plist_dict_set_item(dict, key->constData(), copy);
            else
                plist_dict_remove_item(dict, key->constData());
        }
        std::free(it);
        return dict;
    }
    default:
        return plist_copy(node);
    }
}

} // namespace

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
    const bool binary = data.startsWith("bplist00");
    if (!(binary ? binaryTreeWithinLimits(data) : xmlTreeWithinLimits(data)))
        return std::nullopt;
    plist_t parsed = nullptr;
    plist_from_memory(data.data(), static_cast<uint32_t>(data.size()), &parsed);
    if (!parsed)
        return std::nullopt;
    plist_t root = plist_get_node_type(parsed) == PLIST_DICT ? cleanCopy(parsed) : nullptr;
    plist_free(parsed);
    if (!root)
        return std::nullopt;
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
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(item, &length);
        if (!text || length > std::numeric_limits<qsizetype>::max())
            return {};
        return QString::fromUtf8(text, static_cast<qsizetype>(length));
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
