#include "platform/HttpTransport.h"

#include <QStringList>
#include <QUrl>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace platform {

namespace {

// curl_global_init is not safe to race with other curl calls; every transport
// goes through this once before its first handle.
void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer
{
    QByteArray body;
    const std::atomic<bool> *aborted = nullptr;
};

size_t WriteBody(char *data, size_t size, size_t count, void *userData)
{
    auto *transfer = static_cast<Transfer *>(userData);
    const size_t bytes = size * count;
    if (bytes > size_t(CurlTransport::kMaxBodyBytes - transfer->body.size()))
        return CURL_WRITEFUNC_ERROR;
    transfer->body.append(data, qsizetype(bytes));
    return bytes;
}

// A second line of defence for abort(): the poll loop below already wakes at once,
// but curl also stops a transfer when this returns non-zero.
int CheckAbort(void *userData, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Transfer *>(userData)->aborted->load() ? 1 : 0;
}

struct EasyDeleter
{
    void operator()(CURL *easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

HeaderList BuildHeaders(const HttpRequest &request)
{
    curl_slist *list = nullptr;
    for (const auto &[name, value] : request.headers) {
        const QByteArray line = name + ": " + value;
        list = curl_slist_append(list, line.constData());
    }
    // The caller's Content-Length is the whole story: no "100-continue" round trip.
    if (!request.body.isEmpty())
        list = curl_slist_append(list, "Expect:");
    return HeaderList(list);
}

void SetOptions(CURL *easy, const HttpRequest &request, const QByteArray &url, curl_slist *headers,
                Transfer *transfer)
{
    curl_easy_setopt(easy, CURLOPT_URL, url.constData());
#if LIBCURL_VERSION_NUM >= 0x075500
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
#else
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
#endif
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    // Signals would hit whichever thread they like in a threaded program.
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    const long timeoutMs = long(std::chrono::milliseconds(request.timeout).count());
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "Pinlark/" PINLARK_VERSION);
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(CurlTransport::kMaxBodyBytes));
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &WriteBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &CheckAbort);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, transfer);
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);

    if (request.method == "GET") {
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    } else {
        if (request.method != "POST")
            curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, request.method.constData());
    }
    if (!request.body.isEmpty() || request.method == "POST") {
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request.body.size()));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request.body.constData());
    }
}

} // namespace

CurlTransport::CurlTransport()
{
    InitCurlOnce();
    m_multi = curl_multi_init();
}

CurlTransport::~CurlTransport()
{
    if (m_multi)
        curl_multi_cleanup(static_cast<CURLM *>(m_multi));
}

void CurlTransport::abort()
{
    m_aborted = true;
    if (m_multi)
        curl_multi_wakeup(static_cast<CURLM *>(m_multi));
}

bool AddressMayCarryTokens(const QString &address)
{
    // Tolerant: only the scheme and the host matter here, and a request may carry
    // characters a strict reading refuses.
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == u"https")
        return true;
    if (url.scheme() != u"http")
        return false;
    const QString host = url.host().toLower();
    if (host == u"localhost" || host == u"::1")
        return true;
    // QUrl has written an IPv4 address out in four decimal parts by now.
    const QStringList parts = host.split(u'.');
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        bool number = false;
        if (part.toUInt(&number) > 255 || !number)
            return false;
    }
    return parts.first() == u"127";
}

HttpResponse CurlTransport::send(const HttpRequest &request)
{
    HttpResponse response;
    auto *multi = static_cast<CURLM *>(m_multi);
    EasyHandle easy(curl_easy_init());
    // Tokens travel in every request: none goes out in the clear to another computer.
    if (!multi || !easy || m_aborted || !AddressMayCarryTokens(request.url))
        return response;

    Transfer transfer;
    transfer.aborted = &m_aborted;
    const QByteArray url = request.url.toUtf8();
    const HeaderList headers = BuildHeaders(request);
    SetOptions(easy.get(), request, url, headers.get(), &transfer);
    if (curl_multi_add_handle(multi, easy.get()) != CURLM_OK)
        return response;

    bool done = false;
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    while (!done && !m_aborted) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        int queued = 0;
        while (CURLMsg *message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == easy.get()) {
                result = message->data.result;
                done = true;
            }
        }
        if (done || running == 0)
            break;
        // abort() wakes this wait through curl_multi_wakeup.
        if (curl_multi_poll(multi, nullptr, 0, 1000, nullptr) != CURLM_OK)
            break;
    }
    curl_multi_remove_handle(multi, easy.get());
    if (!done || result != CURLE_OK)
        return response;

    long status = 0;
    curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status);
    response.status = int(status);
    // libcurl reads both forms of the header, seconds and an HTTP date.
    curl_off_t retryAfter = 0;
    if (curl_easy_getinfo(easy.get(), CURLINFO_RETRY_AFTER, &retryAfter) == CURLE_OK &&
        retryAfter > 0)
        response.retryAfter = std::chrono::seconds(retryAfter);
    // A refused access token is the sync worker's signal to refresh its tokens.
    response.transportError = status == 401;
    if (!response.transportError)
        response.body = std::move(transfer.body);
    return response;
}

} // namespace platform
