#include "platform/XmlDocument.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <limits>
#include <mutex>

namespace platform {

namespace {

// Refuses every external resource: a page can name a DTD or an external entity,
// and neither may make us open a file or a connection.
xmlParserInputPtr refuseExternalEntity(const char *, const char *, xmlParserCtxtPtr)
{
    return nullptr;
}

void silentError(void *, const char *, ...) {}

// No NOENT (entity substitution), no DTDLOAD/DTDATTR (outside DTDs), no NOBLANKS
// and no NOCDATA: the board keeps white space and CDATA text as written.
constexpr int kReadOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

void initOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(refuseExternalEntity);
        xmlSetGenericErrorFunc(nullptr, silentError);
    });
}

} // namespace

bool XmlNode::isElement() const
{
    return m_Node && m_Node->type == XML_ELEMENT_NODE;
}

QByteArrayView XmlNode::name() const
{
    if (!m_Node || !m_Node->name)
        return {};
    return QByteArrayView(reinterpret_cast<const char *>(m_Node->name));
}

XmlNode XmlNode::firstChild() const
{
    return XmlNode(m_Node ? m_Node->children : nullptr);
}

XmlNode XmlNode::nextSibling() const
{
    return XmlNode(m_Node ? m_Node->next : nullptr);
}

XmlNode XmlNode::parent() const
{
    return XmlNode(m_Node ? m_Node->parent : nullptr);
}

QString XmlNode::stringValue() const
{
    if (!m_Node)
        return {};
    xmlChar *content = xmlNodeGetContent(m_Node);
    if (!content)
        return {};
    QString text = QString::fromUtf8(reinterpret_cast<const char *>(content));
    xmlFree(content);
    return text;
}

QString XmlNode::attribute(const char *name) const
{
    if (!isElement())
        return {};
    xmlChar *value = xmlGetProp(m_Node, reinterpret_cast<const xmlChar *>(name));
    if (!value)
        return {};
    QString text = QString::fromUtf8(reinterpret_cast<const char *>(value));
    xmlFree(value);
    return text;
}

std::unique_ptr<XmlDocument> XmlDocument::parse(QByteArrayView utf8)
{
    initOnce();
    if (utf8.isEmpty() || utf8.size() > std::numeric_limits<int>::max())
        return nullptr;
    xmlDocPtr doc =
        xmlReadMemory(utf8.data(), static_cast<int>(utf8.size()), nullptr, "UTF-8", kReadOptions);
    if (!doc)
        return nullptr;
    return std::unique_ptr<XmlDocument>(new XmlDocument(doc));
}

XmlDocument::~XmlDocument()
{
    xmlFreeDoc(m_Doc);
}

XmlNode XmlDocument::documentNode() const
{
    return XmlNode(reinterpret_cast<xmlNodePtr>(m_Doc));
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
                  const xmlChar **, int, int, const xmlChar **)
{
    eventsOf(context).startElement(QByteArrayView(reinterpret_cast<const char *>(localName)));
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

bool ParseXmlEvents(QByteArrayView utf8, XmlEvents &events)
{
    initOnce();
    if (utf8.isEmpty() || utf8.size() > std::numeric_limits<int>::max())
        return false;
    const std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> context(xmlNewParserCtxt(),
                                                                             xmlFreeParserCtxt);
    if (!context)
        return false;
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
    *context->sax = handler;
    context->userData = &events;
    // Well-formedness is read from the context; a document libxml2 made on the side
    // (for a DTD) is freed.
    xmlFreeDoc(xmlCtxtReadMemory(context.get(), utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                 "UTF-8", kReadOptions));
    return context->wellFormed != 0;
}

} // namespace platform
