#pragma once

// Gives a hand-written board fragment the shape of a page as the notebook
// service returns it: the html/head/body frame, the absolute-positioned
// outline div, and element ids on every start tag when ids are asked for.

#include <string>
#include <string_view>

namespace standin {

struct PageFrame
{
    std::string title;   // text of <title>, escaped here
    std::string created; // value of <meta name="created">
    std::string guid;    // the page's GUID, without braces, used in the generated ids
};

// True when the text, after leading white space (and a UTF-8 byte order mark),
// opens with "<html" in any letter case: such a file is served verbatim.
bool isWholeDocument(std::string_view text);

// Adds id="NAME:{GUID}{N}" to each element start tag without an id, N counting
// up from firstNumber. Text, entities, comments and attribute values pass
// through untouched, and "<br />" stays self-closing.
std::string addElementIds(std::string_view fragment, std::string_view guid, int firstNumber);

// Wraps the fragment in the service's frame; with includeIds the outline div
// and every element of the fragment carry ids. Blank runs between top-level
// elements become a line break and the outline's indentation, as the service
// writes them; white space inside elements is kept as it is.
std::string wrapFragment(std::string_view fragment, const PageFrame &frame, bool includeIds);

// Index just past the '>' that ends the tag starting at `from`, honouring quoted
// attribute values; npos when the tag never ends.
size_t tagEnd(std::string_view text, size_t from);

} // namespace standin
