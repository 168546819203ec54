#include "platform/XmlEvents.h"

#include "platform/XmlSetup.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <limits>
#include <mutex>

namespace platform {

namespace {

xmlParserInputPtr refuseExternalEntity(const char *, const char *, xmlParserCtxtPtr)
{
    return nullptr;
}

void silentError(void *, const char *, ...) {}

} // namespace

void InitXmlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(refuseExternalEntity);
        xmlSetGenericErrorFunc(nullptr, silentError);
    });
}

namespace {

XmlEvents &eventsOf(void *userData)
{
    return *static_cast<XmlEvents *>(userData);
}

// No entity is known beyond the five predefined ones.
xmlEntityPtr noEntity(void *, const xmlChar *)
{
    return nullptr;
}

void startElement(void *context, const xmlChar *localName, const xmlChar *, const xmlChar *, int,
                  const xmlChar **, int attributeCount, int, const xmlChar **attributes)
{
    XmlEvents &events = eventsOf(context);
    events.startElement(QByteArrayView(reinterpret_cast<const char *>(localName)));
    // Five pointers each: local name, prefix, namespace, value start and end.
    for (int i = 0; i < attributeCount; ++i) {
        const xmlChar *const *attribute = attributes + 5 * i;
        const auto *begin = reinterpret_cast<const char *>(attribute[3]);
        const auto *end = reinterpret_cast<const char *>(attribute[4]);
        events.attribute(QByteArrayView(reinterpret_cast<const char *>(attribute[0])),
                         QByteArrayView(begin, end - begin));
    }
}

void endElement(void *context, const xmlChar *, const xmlChar *, const xmlChar *)
{
    eventsOf(context).endElement();
}

void characters(void *context, const xmlChar *text, int length)
{
    eventsOf(context).text(QByteArrayView(reinterpret_cast<const char *>(text), length));
}

} // namespace

XmlPushParser::XmlPushParser(XmlEvents &events)
{
    InitXmlOnce();
    // Only these callbacks: no tree, no entity or DTD bookkeeping. White space the
    // tree would keep as text is text here too. With user data of its own, libxml2
    // does not look entities up behind the handler's back either.
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = startElement;
    handler.endElementNs = endElement;
    handler.characters = characters;
    handler.ignorableWhitespace = characters;
    handler.cdataBlock = characters;
    handler.getEntity = noEntity;
    m_Context = xmlCreatePushParserCtxt(&handler, &events, nullptr, 0, nullptr);
    if (!m_Context) {
        m_Failed = true;
        return;
    }
    xmlCtxtUseOptions(m_Context, kXmlReadOptions | XML_PARSE_IGNORE_ENC);
    // The page arrives as UTF-8 whatever its declaration says.
    xmlSwitchEncoding(m_Context, XML_CHAR_ENCODING_UTF8);
}

XmlPushParser::~XmlPushParser()
{
    if (!m_Context)
        return;
    // A document libxml2 made on the side (for a DTD) is freed with the context.
    xmlFreeDoc(m_Context->myDoc);
    m_Context->myDoc = nullptr;
    xmlFreeParserCtxt(m_Context);
}

bool XmlPushParser::feed(QByteArrayView utf8)
{
    constexpr qsizetype kMaxPiece = std::numeric_limits<int>::max() / 2;
    while (!m_Failed && !utf8.isEmpty()) {
        const QByteArrayView piece = utf8.first(std::min(utf8.size(), kMaxPiece));
        utf8 = utf8.sliced(piece.size());
        m_Fed = true;
        if (xmlParseChunk(m_Context, piece.data(), static_cast<int>(piece.size()), 0) != 0 ||
            !m_Context->wellFormed)
            m_Failed = true;
    }
    return !m_Failed;
}

bool XmlPushParser::finish()
{
    if (m_Failed || !m_Fed)
        return false;
    if (xmlParseChunk(m_Context, nullptr, 0, 1) != 0 || !m_Context->wellFormed)
        m_Failed = true;
    return !m_Failed;
}

bool ParseXmlEvents(QByteArrayView utf8, XmlEvents &events)
{
    XmlPushParser parser(events);
    return parser.feed(utf8) && parser.finish();
}

} // namespace platform
