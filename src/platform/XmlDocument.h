#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>

struct _xmlDoc;
struct _xmlNode;

namespace platform {

// A read-only view of one node of a parsed document. Cheap to copy; valid while
// its XmlDocument lives.
class XmlNode
{
public:
    XmlNode() = default;
    explicit XmlNode(_xmlNode *node) : m_Node(node) {}

    explicit operator bool() const { return m_Node != nullptr; }
    bool isElement() const;
    // Element name as UTF-8; empty for nodes that have none.
    QByteArrayView name() const;
    XmlNode firstChild() const;
    XmlNode nextSibling() const;
    XmlNode parent() const;
    // All text beneath the node in document order, without markup.
    QString stringValue() const;
    // The value of the attribute of that name, as written (entities spelled out);
    // empty when the element has none.
    QString attribute(const char *name) const;

private:
    _xmlNode *m_Node = nullptr;
};

// A well-formed XML document parsed from bytes that came from the network, for a
// reader that must go back and forth in it (ParseXmlEvents reads once, in order):
// nothing is ever loaded from outside (no DTD, no external entity, no network) and
// no entity is substituted in the tree. A string value spells out an internal entity; one that
// would expand out of all proportion makes libxml2 refuse the document. White-space-
// only text and CDATA sections are kept as they are.
class XmlDocument
{
public:
    // Null when the bytes are not well-formed UTF-8 XML (a declared encoding is
    // overruled: the page arrives as UTF-8).
    static std::unique_ptr<XmlDocument> parse(QByteArrayView utf8);
    ~XmlDocument();
    // One owner frees the tree: a copy would free it twice. Held by unique_ptr, so
    // it need not move either.
    XmlDocument(const XmlDocument &) = delete;
    XmlDocument &operator=(const XmlDocument &) = delete;

    // The document node: its children are the top-level nodes.
    XmlNode documentNode() const;

private:
    explicit XmlDocument(_xmlDoc *doc) : m_Doc(doc) {}
    _xmlDoc *m_Doc;
};

} // namespace platform
