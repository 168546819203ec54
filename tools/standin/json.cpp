#include "json.h"

#include <cstdio>

namespace standin {

std::string jsonQuote(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
    return out;
}

void JsonObject::addName(std::string_view name)
{
    if (!m_Body.empty())
        m_Body.push_back(',');
    m_Body += jsonQuote(name);
    m_Body.push_back(':');
}

JsonObject &JsonObject::add(std::string_view name, std::string_view text)
{
    addName(name);
    m_Body += jsonQuote(text);
    return *this;
}

JsonObject &JsonObject::addNumber(std::string_view name, long long value)
{
    addName(name);
    m_Body += std::to_string(value);
    return *this;
}

JsonObject &JsonObject::addBool(std::string_view name, bool value)
{
    addName(name);
    m_Body += value ? "true" : "false";
    return *this;
}

JsonObject &JsonObject::addRaw(std::string_view name, std::string_view json)
{
    addName(name);
    m_Body += json;
    return *this;
}

std::string jsonArray(const std::vector<std::string> &items)
{
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out.push_back(',');
        out += items[i];
    }
    out.push_back(']');
    return out;
}

} // namespace standin
