#pragma once

#include <QByteArrayView>

struct _xmlParserCtxt;

namespace platform {

// What ParseXmlEvents reports, in document order. Names are local names, UTF-8.
class XmlEvents
{
public:
    virtual ~XmlEvents() = default;
    virtual void startElement(QByteArrayView name) = 0;
    // Each attribute of the element just started, before anything inside it.
    virtual void attribute(QByteArrayView name, QByteArrayView value)
    {
        Q_UNUSED(name);
        Q_UNUSED(value);
    }
    virtual void endElement() = 0;
    // Character data and CDATA text, UTF-8, possibly in several pieces.
    virtual void text(QByteArrayView utf8) = 0;
};

// Reads well-formed XML that came from the network, without building a tree: a
// reader that looks at each element once pays neither for a tree's thousands of
// small allocations nor for freeing them. Nothing is ever loaded from outside (no
// DTD, no external entity, no network), and entity declarations are not kept: a
// reference to any entity beyond the five predefined ones makes the document
// unreadable, so none can expand out of all proportion. White-space-only text and
// CDATA sections are reported as they are. A declared encoding is overruled: the
// page arrives as UTF-8. False when the bytes are not well-formed UTF-8 XML; events
// up to the fault have been reported.
bool ParseXmlEvents(QByteArrayView utf8, XmlEvents &events);

// The same reading, piece by piece, for a reader that wants to act on the start of
// a long document before the rest has been read. Events come as each piece is
// fed; a piece may end anywhere, even inside a character.
class XmlPushParser
{
public:
    explicit XmlPushParser(XmlEvents &events);
    ~XmlPushParser();
    XmlPushParser(const XmlPushParser &) = delete;
    XmlPushParser &operator=(const XmlPushParser &) = delete;

    // False once the bytes so far are known not to be well-formed; later pieces
    // are then ignored.
    bool feed(QByteArrayView utf8);
    // The end of the document: true when all of it was well-formed (and not empty).
    bool finish();

private:
    _xmlParserCtxt *m_Context = nullptr;
    bool m_Failed = false;
    bool m_Fed = false;
};

} // namespace platform
