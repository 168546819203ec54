#include "ScriptedTransport.h"

#include <chrono>

void ScriptedTransport::script(const ScriptedAnswers &answers)
{
    std::lock_guard lock(m_mutex);
    m_script += answers;
}

QList<platform::HttpRequest> ScriptedTransport::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

QStringList ScriptedTransport::labels() const
{
    QStringList out;
    for (const platform::HttpRequest &request : requests())
        out << Label(request);
    return out;
}

void ScriptedTransport::clearRequests()
{
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

bool ScriptedTransport::waitUntilStalled()
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_stalled; });
}

platform::HttpResponse ScriptedTransport::send(const platform::HttpRequest &request)
{
    if (onSend)
        onSend(request);
    std::unique_lock lock(m_mutex);
    m_requests << request;
    ScriptedAnswer answer;
    if (!m_script.isEmpty()) {
        answer = m_script.takeFirst();
    } else if (fallback) {
        lock.unlock();
        answer = fallback(request);
        lock.lock();
    }
    if (answer.kind == ScriptedAnswer::Stall) {
        m_stalled = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_aborted; });
    }
    if (m_aborted || answer.kind != ScriptedAnswer::Reply)
        return {};
    // As libcurl's transport does: a 401 keeps its status but not its body.
    if (answer.status == 401)
        return {true, 401, {}};
    return {false, answer.status, answer.body, std::chrono::seconds(answer.retryAfter)};
}

void ScriptedTransport::abort()
{
    std::lock_guard lock(m_mutex);
    m_aborted = true;
    m_changed.notify_all();
}

QString ScriptedTransport::Label(const platform::HttpRequest &request)
{
    const QString &url = request.url;
    if (url.endsWith(QLatin1String("/oauth2/v2.0/token"))) {
        const QByteArray grant = request.body.split('&').value(0).split('=').value(1);
        return QStringLiteral("token:") + QString::fromLatin1(grant);
    }
    if (request.method == "POST" && url.contains(QLatin1String("/onenote/pages?sectionName=")))
        return QStringLiteral("create");
    if (url.endsWith(QLatin1String("/v1.0/me")))
        return QStringLiteral("me");
    if (url.contains(QLatin1String("/onenote/sections?")))
        return QStringLiteral("sections");
    if (url.contains(QLatin1String("/Pages")))
        return QStringLiteral("pages");
    if (url.contains(QLatin1String("/content?")))
        return QStringLiteral("content");
    return url;
}
