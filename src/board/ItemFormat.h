#pragma once

#include <QByteArrayView>
#include <QString>

// The formatting of a run of an item's text that a rich copy keeps: bold, italic,
// underline, strike-through, and a link. Nothing else of the page (styles, ids, data
// attributes, other elements) reaches the clipboard.
struct TextFormat
{
    enum Flag : quint8 { Bold = 1, Italic = 2, Underline = 4, Strike = 8 };
    quint8 flags = 0;
    // A checked address (SafeLinkAddress), or empty.
    QString href;

    bool isPlain() const { return flags == 0 && href.isEmpty(); }
    friend bool operator==(const TextFormat &, const TextFormat &) = default;
};

// The flags an element of this name gives the text inside it: b and strong, i and
// em, u, s, strike and del.
quint8 FormatOfElement(QByteArrayView name);
// The flags of a style attribute: font-weight bold (or 600 and more), font-style
// italic or oblique, text-decoration underline or line-through.
quint8 FormatOfStyle(QStringView style);
// `href` when it is an http, https or mailto address, else empty: script and data
// addresses, relative ones and anything else are dropped.
QString SafeLinkAddress(const QString &href);
// Text for an HTML fragment: markup characters escaped, line feeds as <br>.
QString HtmlText(QStringView text);
// `text` (HtmlText applied) inside the tags of `format`.
QString HtmlRun(QStringView text, const TextFormat &format);
