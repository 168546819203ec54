#pragma once

#include <QString>

// The board page Pinlark creates for a user who has none: titled Pinlark, with a
// few items in the user's language that show how the page becomes the board.
namespace StarterPage {

// The page as the notebook service takes it to create a page (XHTML: a <title> and
// a body of headings, paragraphs and line breaks). Every text is escaped.
QString Html();

} // namespace StarterPage
