#include "pagewrap.h"

#include "codec.h"

#include <array>

namespace standin {

namespace {

constexpr std::string_view kElementIndent = "\n\t\t\t";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' ||
           c == '_' || c == '-' || c == '.';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// HTML elements that never have content, so "<br>" does not open a level.
bool isVoidElement(std::string_view lowerName)
{
    static constexpr std::array<std::string_view, 8> names = {"br",   "hr",   "img", "input",
                                                              "meta", "link", "col", "wbr"};
    for (const auto name : names) {
        if (name == lowerName)
            return true;
    }
    return false;
}

// Whether the attribute list (the tag's text after its name) names an "id".
bool hasIdAttribute(std::string_view attributes)
{
    size_t i = 0;
    while (i < attributes.size()) {
        while (i < attributes.size() && (isBlank(attributes[i]) || attributes[i] == '/'))
            ++i;
        const size_t nameStart = i;
        while (i < attributes.size() && !isBlank(attributes[i]) && attributes[i] != '=' &&
               attributes[i] != '>' && attributes[i] != '/')
            ++i;
        if (asciiLower(attributes.substr(nameStart, i - nameStart)) == "id")
            return true;
        while (i < attributes.size() && isBlank(attributes[i]))
            ++i;
        if (i < attributes.size() && attributes[i] == '=') {
            ++i;
            while (i < attributes.size() && isBlank(attributes[i]))
                ++i;
            if (i < attributes.size() && (attributes[i] == '"' || attributes[i] == '\'')) {
                const size_t close = attributes.find(attributes[i], i + 1);
                i = close == std::string_view::npos ? attributes.size() : close + 1;
            } else {
                while (i < attributes.size() && !isBlank(attributes[i]) && attributes[i] != '>')
                    ++i;
            }
        } else if (i == nameStart) {
            ++i; // a stray character such as '>'
        }
    }
    return false;
}

// Length of the markup construct at `at` that is copied as it stands
// (comment, CDATA section, declaration or processing instruction).
size_t opaqueLength(std::string_view text, size_t at)
{
    auto through = [&](std::string_view closer) {
        const size_t end = text.find(closer, at);
        return end == std::string_view::npos ? text.size() - at : end + closer.size() - at;
    };
    const std::string_view rest = text.substr(at);
    if (startsWith(rest, "<!--"))
        return through("-->");
    if (startsWith(rest, "<![CDATA["))
        return through("]]>");
    if (startsWith(rest, "<!"))
        return through(">");
    if (startsWith(rest, "<?"))
        return through("?>");
    return 0;
}

// One pass over the fragment: ids into start tags (when guid is given) and
// the top-level blank runs re-indented.
std::string rewrite(std::string_view text, std::string_view guid, int number, bool withIds)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    int depth = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '<') {
            const size_t next = std::min(text.find('<', i), text.size());
            const std::string_view run = text.substr(i, next - i);
            bool blank = true;
            for (const char c : run)
                blank = blank && isBlank(c);
            if (!(blank && depth == 0))
                out += run;
            else if (i > 0 && next < text.size())
                out += kElementIndent;
            i = next;
            continue;
        }
        if (const size_t opaque = opaqueLength(text, i); opaque > 0) {
            out += text.substr(i, opaque);
            i += opaque;
            continue;
        }
        const bool closing = i + 1 < text.size() && text[i + 1] == '/';
        const bool opening = i + 1 < text.size() && isLetter(text[i + 1]);
        const size_t end = (closing || opening) ? tagEnd(text, i + 1) : std::string_view::npos;
        if (end == std::string_view::npos) {
            out.push_back('<'); // a stray '<' or a tag that never ends: leave it be
            ++i;
            continue;
        }
        const std::string_view tag = text.substr(i, end - i);
        if (closing) {
            depth = depth > 0 ? depth - 1 : 0;
            out += tag;
            i = end;
            continue;
        }
        size_t nameEnd = 1;
        while (nameEnd < tag.size() && isNameChar(tag[nameEnd]))
            ++nameEnd;
        const std::string_view name = tag.substr(1, nameEnd - 1);
        const std::string lowerName = asciiLower(name);
        out += tag.substr(0, nameEnd);
        if (withIds && !hasIdAttribute(tag.substr(nameEnd, tag.size() - nameEnd - 1))) {
            out += " id=\"" + lowerName + ":{" + std::string(guid) + "}{" +
                   std::to_string(number++) + "}\"";
        }
        out += tag.substr(nameEnd);
        const bool selfClosing = tag.size() >= 2 && tag[tag.size() - 2] == '/';
        if (!selfClosing && !isVoidElement(lowerName))
            ++depth;
        i = end;
    }
    return out;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

// Index just past the '>' that ends the tag starting at `from`, honouring
// quoted attribute values; npos when the tag never ends.
size_t tagEnd(std::string_view text, size_t from)
{
    char quote = 0;
    for (size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

bool isWholeDocument(std::string_view text)
{
    if (startsWith(text, "\xEF\xBB\xBF"))
        text.remove_prefix(3);
    text = trimBlanks(text);
    return asciiLower(text.substr(0, 5)) == "<html";
}

std::string addElementIds(std::string_view fragment, std::string_view guid, int firstNumber)
{
    return rewrite(fragment, guid, firstNumber, true);
}

std::string wrapFragment(std::string_view fragment, const PageFrame &frame, bool includeIds)
{
    const std::string body = rewrite(trimBlanks(fragment), frame.guid, 2, includeIds);
    const std::string divId = includeIds ? " id=\"div:{" + frame.guid + "}{1}\"" : std::string();
    std::string page;
    page += "<html lang=\"en-US\">\n";
    page += "\t<head>\n";
    page += "\t\t<title>" + htmlEscape(frame.title) + "</title>\n";
    page += "\t\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n";
    page += "\t\t<meta name=\"created\" content=\"" + htmlEscape(frame.created) + "\" />\n";
    page += "\t</head>\n";
    page +=
        "\t<body data-absolute-enabled=\"true\" style=\"font-family:Calibri;font-size:11pt\">\n";
    page += "\t\t<div" + divId +
            " data-id=\"_default\" style=\"position:absolute;left:48px;top:115px;width:624px\">\n";
    if (!body.empty())
        page += "\t\t\t" + body + "\n";
    page += "\t\t</div>\n";
    page += "\t</body>\n";
    page += "</html>\n";
    return page;
}

} // namespace standin
