#include "text/Encoding.h"

#include <QStringDecoder>
#include <cstring>

namespace MUtils {

QString DecodeUtf8Strict(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {};
    return text;
}

QString EscapeUrl(const QString &address)
{
    static constexpr char kept[] = "!#$&'()*+,-./:;=?@_~";
    const QByteArray utf8 = address.toUtf8();
    QString out;
    out.reserve(utf8.size());
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || (byte && std::strchr(kept, ch));
        if (plain) {
            out += QLatin1Char(ch);
        } else {
            static constexpr char hex[] = "0123456789ABCDEF";
            out += u'%';
            out += QLatin1Char(hex[byte >> 4]);
            out += QLatin1Char(hex[byte & 0xF]);
        }
    }
    return out;
}

QByteArray FormEncode(const QString &value)
{
    return value.toUtf8().toPercentEncoding();
}

} // namespace MUtils
