#pragma once

#include <libxml/parser.h>

// What every reading of XML from the network shares: libxml2 set up once to refuse
// outside resources and keep quiet, and the same parser options.
namespace platform {

// No NOENT (entity substitution), no DTDLOAD/DTDATTR (outside DTDs), no NOBLANKS
// and no NOCDATA: the board keeps white space and CDATA text as written.
inline constexpr int kXmlReadOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

// Initialises libxml2 once per process and installs an external-entity loader that
// refuses everything: a page can name a DTD or an external entity, and neither may
// make us open a file or a connection.
void InitXmlOnce();

} // namespace platform
