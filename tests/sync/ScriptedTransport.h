#pragma once

#include "platform/HttpTransport.h"

#include <QList>
#include <QMetaType>
#include <QStringList>
#include <condition_variable>
#include <functional>
#include <mutex>

// One scripted answer: a reply with status and body, no answer at all, or a
// request that hangs until the transport is aborted.
struct ScriptedAnswer
{
    enum Kind { Reply, NoAnswer, Stall };
    Kind kind = NoAnswer;
    int status = 0;
    QByteArray body;
    // The answer's Retry-After in seconds; 0 for none.
    qint64 retryAfter = 0;

    static ScriptedAnswer reply(int status, QByteArray body = {})
    {
        return {Reply, status, std::move(body)};
    }
    static ScriptedAnswer throttled(int status, qint64 retryAfter = 0)
    {
        return {Reply, status, {}, retryAfter};
    }
    static ScriptedAnswer noAnswer() { return {}; }
    static ScriptedAnswer stall() { return {Stall, 0, {}}; }
};
Q_DECLARE_METATYPE(ScriptedAnswer)
using ScriptedAnswers = QList<ScriptedAnswer>;

// A transport that records every request and replays scripted answers in order;
// past the end of the script it asks `fallback`, and without one gives no answer.
// Like libcurl, it reports a 401 as a transport error (with its status, without
// its body), and after abort() every request fails at once.
class ScriptedTransport final : public platform::HttpTransport
{
public:
    std::function<ScriptedAnswer(const platform::HttpRequest &)> fallback;
    // Runs on the sending thread just before a request is answered.
    std::function<void(const platform::HttpRequest &)> onSend;

    void script(const ScriptedAnswers &answers);
    QList<platform::HttpRequest> requests() const;
    // Requests in short form: "token:<grant_type>", "me", "sections", "pages",
    // "content", "create" (a new board page), or the address itself.
    QStringList labels() const;
    void clearRequests();
    // Waits until a scripted stall holds a request; false after ten seconds.
    bool waitUntilStalled();

    platform::HttpResponse send(const platform::HttpRequest &request) override;
    void abort() override;

    static QString Label(const platform::HttpRequest &request);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    ScriptedAnswers m_script;
    QList<platform::HttpRequest> m_requests;
    bool m_aborted = false;
    bool m_stalled = false;
};
