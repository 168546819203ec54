#include "board/ItemFormat.h"

#include <QUrl>

quint8 FormatOfElement(QByteArrayView name)
{
    if (name == "b" || name == "strong")
        return TextFormat::Bold;
    if (name == "i" || name == "em")
        return TextFormat::Italic;
    if (name == "u")
        return TextFormat::Underline;
    if (name == "s" || name == "strike" || name == "del")
        return TextFormat::Strike;
    return 0;
}

quint8 FormatOfStyle(QStringView style)
{
    quint8 flags = 0;
    for (QStringView declaration : style.split(u';')) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon < 0)
            continue;
        const QString property = declaration.first(colon).trimmed().toString().toLower();
        const QString value = declaration.sliced(colon + 1).trimmed().toString().toLower();
        if (property == u"font-weight") {
            bool number = false;
            const int weight = value.toInt(&number);
            if (value.startsWith(u"bold") || (number && weight >= 600))
                flags |= TextFormat::Bold;
        } else if (property == u"font-style") {
            if (value.startsWith(u"italic") || value.startsWith(u"oblique"))
                flags |= TextFormat::Italic;
        } else if (property == u"text-decoration" || property == u"text-decoration-line") {
            if (value.contains(u"underline"))
                flags |= TextFormat::Underline;
            if (value.contains(u"line-through"))
                flags |= TextFormat::Strike;
        }
    }
    return flags;
}

QString SafeLinkAddress(const QString &href)
{
    const QUrl url(href.trimmed(), QUrl::StrictMode);
    if (!url.isValid())
        return {};
    const QString scheme = url.scheme().toLower();
    const bool web = (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
    const bool mail = scheme == u"mailto" && !url.path().isEmpty();
    return web || mail ? url.toString(QUrl::FullyEncoded) : QString();
}

QString HtmlText(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'"':
            out += u"&quot;";
            break;
        case u'\n':
            out += u"<br>";
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString HtmlRun(QStringView text, const TextFormat &format)
{
    static constexpr struct
    {
        quint8 flag;
        const char16_t *open;
        const char16_t *close;
    } kTags[] = {{TextFormat::Bold, u"<b>", u"</b>"},
                 {TextFormat::Italic, u"<i>", u"</i>"},
                 {TextFormat::Underline, u"<u>", u"</u>"},
                 {TextFormat::Strike, u"<s>", u"</s>"}};
    QString out;
    if (!format.href.isEmpty())
        out += u"<a href=\"" + HtmlText(format.href) + u"\">";
    for (const auto &tag : kTags) {
        if (format.flags & tag.flag)
            out += QStringView(tag.open);
    }
    out += HtmlText(text);
    for (auto tag = std::rbegin(kTags); tag != std::rend(kTags); ++tag) {
        if (format.flags & tag->flag)
            out += QStringView(tag->close);
    }
    if (!format.href.isEmpty())
        out += u"</a>";
    return out;
}
