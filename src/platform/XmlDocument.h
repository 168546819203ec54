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

// A well-formed XML document parsed from bytes that came from the network: nothing
// is ever loaded from outside (no DTD, no external entity, no network) and no entity
// is substituted in the tree. A string value spells out an internal entity; one that
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

// What ParseXmlEvents reports, in document order. Names are local names, UTF-8.
class XmlEvents
{
public:
    virtual ~XmlEvents() = default;
    virtual void startElement(QByteArrayView name) = 0;
    virtual void endElement() = 0;
    // Character data and CDATA text, UTF-8, possibly in several pieces.
    virtual void text(QByteArrayView utf8) = 0;
};

// Reads the bytes under the same rules as XmlDocument::parse, without building a
// tree: a reader that looks at each element once pays neither for the tree's
// thousands of small allocations nor for freeing them. Entity declarations are not
// kept: a reference to an entity the document declares makes it unreadable here
// (XmlDocument reads it). False when the bytes are not well-formed UTF-8 XML;
// events up to the fault have been reported.
bool ParseXmlEvents(QByteArrayView utf8, XmlEvents &events);

} // namespace platform
