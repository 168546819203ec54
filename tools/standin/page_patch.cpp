#include "page_patch.h"

#include "codec.h"
#include "pagewrap.h"

#include <cstdint>
#include <optional>

namespace standin {

namespace {

// A small reader for the one JSON shape the update takes: a list of objects whose
// members are strings.
class JsonReader
{
public:
    explicit JsonReader(std::string_view text) : m_Text(text) {}

    bool readCommands(std::vector<PatchCommand> &commands)
    {
        if (!take('['))
            return false;
        if (take(']'))
            return atEnd();
        do {
            PatchCommand command;
            if (!readObject(command))
                return false;
            commands.push_back(std::move(command));
        } while (take(','));
        return take(']') && atEnd();
    }

private:
    void skipBlanks()
    {
        while (m_At < m_Text.size() && (m_Text[m_At] == ' ' || m_Text[m_At] == '\t' ||
                                        m_Text[m_At] == '\n' || m_Text[m_At] == '\r'))
            ++m_At;
    }
    bool take(char c)
    {
        skipBlanks();
        if (m_At < m_Text.size() && m_Text[m_At] == c) {
            ++m_At;
            return true;
        }
        return false;
    }
    bool atEnd()
    {
        skipBlanks();
        return m_At == m_Text.size();
    }

    bool readObject(PatchCommand &command)
    {
        if (!take('{'))
            return false;
        if (take('}'))
            return false;
        do {
            const auto name = readString();
            if (!name || !take(':'))
                return false;
            const auto value = readString();
            if (!value)
                return false;
            if (*name == "target")
                command.target = *value;
            else if (*name == "action")
                command.action = *value;
            else if (*name == "position")
                command.position = *value;
            else if (*name == "content")
                command.content = *value;
        } while (take(','));
        return take('}') && !command.target.empty() && !command.action.empty();
    }

    std::optional<unsigned> readHex4()
    {
        if (m_At + 4 > m_Text.size())
            return std::nullopt;
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_Text[m_At++];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= unsigned(c - 'A' + 10);
            else
                return std::nullopt;
        }
        return value;
    }

    static void appendUtf8(std::string &out, std::uint32_t code)
    {
        if (code < 0x80) {
            out.push_back(char(code));
        } else if (code < 0x800) {
            out.push_back(char(0xC0 | (code >> 6)));
            out.push_back(char(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(char(0xE0 | (code >> 12)));
            out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(char(0x80 | (code & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (code >> 18)));
            out.push_back(char(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(char(0x80 | (code & 0x3F)));
        }
    }

    std::optional<std::string> readString()
    {
        if (!take('"'))
            return std::nullopt;
        std::string out;
        while (m_At < m_Text.size()) {
            const char c = m_Text[m_At++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                return std::nullopt;
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (m_At >= m_Text.size())
                return std::nullopt;
            const char escape = m_Text[m_At++];
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                out.push_back(escape);
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'u': {
                auto code = readHex4();
                if (!code)
                    return std::nullopt;
                std::uint32_t point = *code;
                if (point >= 0xD800 && point < 0xDC00) {
                    if (m_At + 2 > m_Text.size() || m_Text[m_At] != '\\' || m_Text[m_At + 1] != 'u')
                        return std::nullopt;
                    m_At += 2;
                    const auto low = readHex4();
                    if (!low || *low < 0xDC00 || *low > 0xDFFF)
                        return std::nullopt;
                    point = 0x10000 + ((point - 0xD800) << 10) + (*low - 0xDC00);
                } else if (point >= 0xDC00 && point < 0xE000) {
                    return std::nullopt;
                }
                appendUtf8(out, point);
                break;
            }
            default:
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::string_view m_Text;
    size_t m_At = 0;
};

bool isVoid(std::string_view lowerName)
{
    for (const std::string_view name : {"br", "hr", "img", "input", "meta", "link", "col", "wbr"}) {
        if (name == lowerName)
            return true;
    }
    return false;
}

// One element of the fragment: where its start tag begins, where its content
// begins and ends, and where it ends after its end tag.
struct ElementSpan
{
    size_t start = 0;
    size_t contentStart = 0;
    size_t contentEnd = 0;
    size_t end = 0;
};

std::string tagName(std::string_view tag)
{
    size_t at = tag.size() > 1 && tag[1] == '/' ? 2 : 1;
    size_t end = at;
    while (end < tag.size() && tag[end] != ' ' && tag[end] != '>' && tag[end] != '/' &&
           tag[end] != '\t' && tag[end] != '\n')
        ++end;
    return asciiLower(tag.substr(at, end - at));
}

// The element whose start tag carries `attribute`="value".
std::optional<ElementSpan> findElement(std::string_view text, std::string_view attribute,
                                       std::string_view value)
{
    for (const char quote : {'"', '\''}) {
        const std::string needle =
            " " + std::string(attribute) + "=" + quote + std::string(value) + quote;
        const size_t hit = text.find(needle);
        if (hit == std::string_view::npos)
            continue;
        const size_t start = text.rfind('<', hit);
        if (start == std::string_view::npos)
            return std::nullopt;
        const size_t startEnd = tagEnd(text, start + 1);
        if (startEnd == std::string_view::npos)
            return std::nullopt;
        const std::string_view startTag = text.substr(start, startEnd - start);
        ElementSpan span{start, startEnd, startEnd, startEnd};
        if (startTag.size() >= 2 && startTag[startTag.size() - 2] == '/')
            return span;
        if (isVoid(tagName(startTag)))
            return span;
        int depth = 1;
        for (size_t i = startEnd; i < text.size();) {
            const size_t open = text.find('<', i);
            if (open == std::string_view::npos)
                return std::nullopt;
            if (text.substr(open, 4) == "<!--") {
                const size_t close = text.find("-->", open);
                if (close == std::string_view::npos)
                    return std::nullopt;
                i = close + 3;
                continue;
            }
            const size_t close = tagEnd(text, open + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            const std::string_view tag = text.substr(open, close - open);
            if (tag.size() > 1 && tag[1] == '/') {
                if (--depth == 0) {
                    span.contentEnd = open;
                    span.end = close;
                    return span;
                }
            } else if (tag.size() > 1 && tag[1] != '!' && tag[1] != '?' &&
                       tag[tag.size() - 2] != '/' && !isVoid(tagName(tag))) {
                ++depth;
            }
            i = close;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// The body element of a whole document, from its start tag to its end tag.
std::optional<ElementSpan> findBody(std::string_view text)
{
    const std::string lower = asciiLower(text);
    const size_t start = lower.find("<body");
    const size_t close = lower.rfind("</body>");
    if (start == std::string::npos || close == std::string::npos || close < start)
        return std::nullopt;
    const size_t contentStart = tagEnd(text, start + 1);
    if (contentStart == std::string_view::npos || contentStart > close)
        return std::nullopt;
    return ElementSpan{start, contentStart, close, close + 7};
}

} // namespace

bool parsePatchCommands(std::string_view json, std::vector<PatchCommand> &commands)
{
    commands.clear();
    return JsonReader(json).readCommands(commands);
}

PatchResult applyPatch(std::string_view original, std::string_view outlineId, std::string_view guid,
                       const std::vector<PatchCommand> &commands)
{
    std::string page(original);
    const bool fragment = !outlineId.empty();
    for (const PatchCommand &command : commands) {
        const std::string action = asciiLower(command.action);
        const std::string position = asciiLower(command.position);
        if (action != "delete" && command.content.empty())
            return {400, "The content of a change is empty.", {}};
        if (!position.empty() && position != "after" && position != "before")
            return {400, "Unknown position: " + command.position, {}};
        // New elements get ids of their own, above every id of the page.
        const std::string content =
            addElementIds(command.content, guid, highestElementNumber(page) + 1);
        if (fragment && (command.target == "body" || command.target == outlineId)) {
            if (action == "append" || (action == "insert" && position != "before"))
                page += content;
            else if (action == "prepend" || action == "insert")
                page = content + page;
            else if (action == "replace")
                page = content;
            else
                return {
                    400, "Unknown or unsupported action on the page body: " + command.action, {}};
            continue;
        }
        std::optional<ElementSpan> span;
        if (command.target == "body")
            span = findBody(page);
        else if (!command.target.empty() && command.target.front() == '#')
            span = findElement(page, "data-id", std::string_view(command.target).substr(1));
        else
            span = findElement(page, "id", command.target);
        if (!span)
            return {400, "The target element does not exist on the page: " + command.target, {}};
        if (action == "insert") {
            const size_t at = position == "before" ? span->start : span->end;
            page.insert(at, content);
        } else if (action == "append") {
            page.insert(span->contentEnd, content);
        } else if (action == "prepend") {
            page.insert(span->contentStart, content);
        } else if (action == "replace") {
            page.replace(span->start, span->end - span->start, content);
        } else if (action == "delete") {
            page.erase(span->start, span->end - span->start);
        } else {
            return {400, "Unknown action: " + command.action, {}};
        }
    }
    return {204, {}, std::move(page)};
}

int highestElementNumber(std::string_view text)
{
    int highest = 0;
    for (size_t at = text.find("}{"); at != std::string_view::npos; at = text.find("}{", at + 2)) {
        int number = 0;
        size_t i = at + 2;
        bool digits = false;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && number < 100000000) {
            number = number * 10 + (text[i] - '0');
            ++i;
            digits = true;
        }
        if (digits && i < text.size() && text[i] == '}')
            highest = std::max(highest, number);
    }
    return highest;
}

} // namespace standin
