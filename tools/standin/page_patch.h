#pragma once

// The notebook's page update: a JSON list of {target, action, position, content}
// commands applied to the board page's body, as the service does on
// PATCH .../pages/{id}/content.

#include <string>
#include <string_view>
#include <vector>

namespace standin {

struct PatchCommand
{
    std::string target;   // "body", "#data-id" or a generated id
    std::string action;   // append, insert, prepend, replace, delete
    std::string position; // after (default) or before; insert only
    std::string content;  // well-formed HTML
};

// The commands of a request body; false when it is not a JSON list of objects
// with string members, each with a target and an action.
bool parsePatchCommands(std::string_view json, std::vector<PatchCommand> &commands);

struct PatchResult
{
    int status = 204;    // 204, or 400 with `message`
    std::string message; // why the page was left as it was
    std::string body;    // the changed body, when 204
};

// Applies the commands to a page whose elements carry generated ids (see
// addElementIds), all or none; the elements added get ids of their own, numbered
// above the page's, with `guid`. The page is a body fragment, whose outline
// element (`outlineId`) wraps it when served: that id and "body" name the
// fragment itself. With an empty `outlineId` it is a whole document, and "body"
// names its body element. A target the page does not have, an unknown action or
// position, or empty content is a 400, as the service answers.
PatchResult applyPatch(std::string_view page, std::string_view outlineId, std::string_view guid,
                       const std::vector<PatchCommand> &commands);

// The highest N of the ids "NAME:{GUID}{N}" in the text, 0 when none: new
// elements are numbered above it, so ids stay unique and old ones stay put.
int highestElementNumber(std::string_view text);

} // namespace standin
