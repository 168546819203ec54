#pragma once

// A compact JSON writer that keeps members in the order they are added.
//
// The app reads token and user-id answers by scanning for markers such as
// "access_token":" , so answers must have no blanks around the colon and
// strings must be written as they are: '/' is never escaped as "\/" (a
// base64 token would reach the client changed) and non-ASCII text stays UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace standin {

// The text as a JSON string literal, quotes included.
std::string jsonQuote(std::string_view text);

class JsonObject
{
public:
    JsonObject &add(std::string_view name, std::string_view text);
    JsonObject &add(std::string_view name, const char *text)
    {
        return add(name, std::string_view(text));
    }
    JsonObject &add(std::string_view name, const std::string &text)
    {
        return add(name, std::string_view(text));
    }
    JsonObject &addNumber(std::string_view name, long long value);
    JsonObject &addBool(std::string_view name, bool value);
    // Adds already written JSON (an object or array) as the member's value.
    JsonObject &addRaw(std::string_view name, std::string_view json);

    std::string str() const { return "{" + m_Body + "}"; }

private:
    void addName(std::string_view name);

    std::string m_Body;
};

// Joins already written JSON values into an array.
std::string jsonArray(const std::vector<std::string> &items);

} // namespace standin
