#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <chrono>
#include <utility>

namespace platform {

struct HttpRequest
{
    QByteArray method = "GET";
    // An address ready for the wire: the caller has escaped it.
    QString url;
    // Sent as given, in this order. A request with a body carries its own
    // "Content-Length".
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;
    // Limits both the connection and the whole transfer.
    std::chrono::seconds timeout{30};
};

struct HttpResponse
{
    // No usable answer: the request failed on the way, or the service refused the
    // credentials (HTTP 401). Any other status comes back with its body.
    bool transportError = true;
    int status = 0;
    QByteArray body;
    // How long the service asked the client to wait before asking again (its
    // "Retry-After", in seconds or as a date); zero when it named no wait.
    std::chrono::seconds retryAfter{0};
};

// One synchronous request at a time on the calling thread. The sync worker talks
// to the network only through this seam, so tests can script the answers.
class HttpTransport
{
public:
    virtual ~HttpTransport() = default;

    virtual HttpResponse send(const HttpRequest &request) = 0;

    // Called from another thread at shut-down: the running request, and every
    // later one, ends at once with a transport error.
    virtual void abort() = 0;
};

// Whether a request to `address` may carry tokens: https, or plain http to this
// computer (127.0.0.0/8, ::1, localhost), where the stand-in of the tests and the
// demo runs.
bool AddressMayCarryTokens(const QString &address);

// HttpTransport over libcurl. TLS verification stays on, only http and https are
// spoken, redirects are not followed, and an answer larger than kMaxBodyBytes is a
// transport error rather than a way to exhaust memory. Nothing is ever logged:
// requests carry tokens.
class CurlTransport final : public HttpTransport
{
public:
    static constexpr qsizetype kMaxBodyBytes = qsizetype(64) * 1024 * 1024;

    CurlTransport();
    ~CurlTransport() override;
    CurlTransport(const CurlTransport &) = delete;
    CurlTransport &operator=(const CurlTransport &) = delete;

    HttpResponse send(const HttpRequest &request) override;
    void abort() override;

private:
    // A curl multi handle: it lets abort() wake a waiting transfer at once.
    void *m_multi = nullptr;
    std::atomic<bool> m_aborted{false};
};

} // namespace platform
