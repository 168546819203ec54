#include "platform/XmlDocument.h"

#include "platform/XmlSetup.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <limits>

namespace platform {

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
    InitXmlOnce();
    if (utf8.isEmpty() || utf8.size() > std::numeric_limits<int>::max())
        return nullptr;
    xmlDocPtr doc = xmlReadMemory(utf8.data(), static_cast<int>(utf8.size()), nullptr, "UTF-8",
                                  kXmlReadOptions);
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

} // namespace platform
