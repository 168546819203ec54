#pragma once

// Text codecs the stand-in needs at its edges: form and query decoding,
// HTML escaping, ASCII case folding.

#include <map>
#include <string>
#include <string_view>

namespace standin {

// Decodes %XX escapes; with plusIsSpace a '+' becomes a blank, as form bodies
// and queries require. A malformed escape is kept as written.
std::string percentDecode(std::string_view text, bool plusIsSpace);

// Letters, digits and "-._~": the unreserved set of RFC 3986.
bool isUnreserved(char c);

// Escapes everything outside the unreserved set.
std::string percentEncode(std::string_view text);

// Base64 of `size` bytes: the standard alphabet with "=" padding, or the URL-safe
// one without padding (as PKCE challenges are written).
enum class Base64 { Standard, UrlUnpadded };
std::string base64(const unsigned char *data, size_t size, Base64 form = Base64::Standard);

// Fields of an application/x-www-form-urlencoded text (a request body or the
// query of an address). Each pair splits at its FIRST '=', so a value that the
// sender forgot to escape keeps its later '=' instead of losing its head. When
// a name repeats, the first value wins.
using FormFields = std::map<std::string, std::string>;
FormFields parseForm(std::string_view text);

// The query of a raw request target ("/a/b?x=1" -> "x=1"), empty without '?'.
std::string_view queryOf(std::string_view target);

// Escapes &, <, >, " and ' for use in HTML text and attribute values.
std::string htmlEscape(std::string_view text);

std::string asciiLower(std::string_view text);
bool startsWith(std::string_view text, std::string_view prefix);

} // namespace standin
