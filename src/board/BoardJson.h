#pragma once

#include "board/BoardSearch.h"
#include "board/MNameValue.h"

#include <QByteArray>

// The board as one line of JSON, ending in a line feed:
// {"tabs":[{"label":"…","items":[{"name":"…","value":"…"}]}]}. Tabs and items keep
// their order, text is UTF-8 with only what JSON requires escaped, so boards can be
// compared byte for byte.
QByteArray BoardJson(const Board &board);

// Search results in their order as one line of JSON, ending in a line feed:
// {"results":[{"tab":"…","name":"…","value":"…","close":false}]}, "close" true for
// the close matches that follow the plain ones.
QByteArray SearchJson(const SearchResults &found);
