#include "core/PendingSnippet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace PendingSnippets {

namespace {

QString stateName(PendingSnippet::State state)
{
    switch (state) {
    case PendingSnippet::State::Waiting:
        break;
    case PendingSnippet::State::Unconfirmed:
        return QStringLiteral("unconfirmed");
    case PendingSnippet::State::Refused:
        return QStringLiteral("refused");
    }
    return QStringLiteral("waiting");
}

PendingSnippet::State stateOf(const QString &name)
{
    if (name == QLatin1String("unconfirmed"))
        return PendingSnippet::State::Unconfirmed;
    if (name == QLatin1String("refused"))
        return PendingSnippet::State::Refused;
    return PendingSnippet::State::Waiting;
}

} // namespace

QByteArray ToJson(const SnippetOutbox &outbox)
{
    QJsonArray entries;
    for (const PendingSnippet &snippet : outbox) {
        entries.append(QJsonObject{
            {QLatin1String("id"), snippet.id},
            {QLatin1String("text"), snippet.text},
            {QLatin1String("tab"), snippet.tab},
            {QLatin1String("tabIndex"), snippet.tabIndex},
            {QLatin1String("userId"), snippet.userId},
            {QLatin1String("state"), stateName(snippet.state)},
            {QLatin1String("retried"), snippet.retried},
        });
    }
    return QJsonDocument(QJsonObject{{QLatin1String("snippets"), entries}}).toJson();
}

SnippetOutbox FromJson(const QByteArray &json)
{
    SnippetOutbox outbox;
    const QJsonArray entries =
        QJsonDocument::fromJson(json).object().value(QLatin1String("snippets")).toArray();
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        PendingSnippet snippet;
        snippet.id = entry.value(QLatin1String("id")).toString();
        snippet.text = entry.value(QLatin1String("text")).toString();
        snippet.tab = entry.value(QLatin1String("tab")).toString();
        snippet.tabIndex = entry.value(QLatin1String("tabIndex")).toInt(-1);
        snippet.userId = entry.value(QLatin1String("userId")).toString();
        snippet.state = stateOf(entry.value(QLatin1String("state")).toString());
        snippet.retried = entry.value(QLatin1String("retried")).toBool();
        if (snippet.text.isEmpty() || snippet.tab.isEmpty() || snippet.id.isEmpty())
            continue;
        outbox.append(snippet);
    }
    return outbox;
}

bool BelongsTo(const PendingSnippet &snippet, const QString &userId)
{
    return snippet.userId.isEmpty() || snippet.userId == userId;
}

qsizetype WaitingFor(const SnippetOutbox &outbox, const QString &userId)
{
    return std::count_if(outbox.cbegin(), outbox.cend(), [&userId](const PendingSnippet &s) {
        return s.state != PendingSnippet::State::Refused && BelongsTo(s, userId);
    });
}

} // namespace PendingSnippets
