#include "board/BoardJson.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// Qt's writer escapes exactly what JSON requires and writes the rest as UTF-8.
void appendJsonString(QByteArray &out, const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    out += QByteArrayView(array).sliced(1, array.size() - 2);
}

} // namespace

QByteArray BoardJson(const Board &board)
{
    QByteArray out = "{\"tabs\":[";
    for (qsizetype t = 0; t < board.size(); ++t) {
        if (t)
            out += ',';
        out += "{\"label\":";
        appendJsonString(out, board[t].label);
        out += ",\"items\":[";
        const auto &items = board[t].items;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i)
                out += ',';
            out += "{\"name\":";
            appendJsonString(out, items[i].name());
            out += ",\"value\":";
            appendJsonString(out, items[i].value);
            out += '}';
        }
        out += "]}";
    }
    out += "]}\n";
    return out;
}

QByteArray SearchJson(const SearchResults &found)
{
    QByteArray out = "{\"results\":[";
    for (qsizetype i = 0; i < found.items.size(); ++i) {
        if (i)
            out += ',';
        out += "{\"tab\":";
        appendJsonString(out, found.labels.value(i));
        out += ",\"name\":";
        appendJsonString(out, found.items[i].name());
        out += ",\"value\":";
        appendJsonString(out, found.items[i].value);
        out += i < found.closeFrom ? ",\"close\":false}" : ",\"close\":true}";
    }
    out += "]}\n";
    return out;
}
