#pragma once

#include "board/MNameValue.h"

#include <QString>

// The text a copy of `item` puts on the clipboard: its value, or, `withoutName`,
// the value less its first line (the name) and the blank lines after it, for items
// written as a title over a body. An item that is its name alone has nothing else
// to give and copies its whole value, rather than an empty clipboard.
QString CopiedText(const MNameValue &item, bool withoutName);
