// The libcurl transport against a small HTTP server on the loopback interface.

#include "platform/HttpTransport.h"

#include <QDateTime>
#include <QTest>
#include <QUrl>
#include <condition_variable>
#include <httplib.h>
#include <mutex>
#include <thread>
#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

using platform::CurlTransport;
using platform::HttpRequest;
using platform::HttpResponse;

namespace {

constexpr size_t kChunk = 1024 * 1024;
const size_t kOversized = size_t(CurlTransport::kMaxBodyBytes) + kChunk;

// Writes `total` bytes of filler in chunks.
bool WriteFiller(size_t offset, size_t total, httplib::DataSink &sink)
{
    static const std::string chunk(kChunk, 'x');
    if (offset >= total) {
        sink.done();
        return true;
    }
    return sink.write(chunk.data(), std::min(kChunk, total - offset));
}

} // namespace

class TestHttpTransport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void statusAndBody_data();
    void statusAndBody();
    void retryAfterIsRead_data();
    void retryAfterIsRead();
    void bodyIsSentWithTheCallersLength();
    void refusedConnectionIsATransportError();
    void slowAnswerTimesOut();
    void oversizedAnswer_data();
    void oversizedAnswer();
    void abortEndsARunningRequest();
    void otherSchemesAreRefused_data();
    void otherSchemesAreRefused();
    void tokensGoOnlyToSafeAddresses_data();
    void tokensGoOnlyToSafeAddresses();

private:
    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(QLatin1String(path));
    }
    static HttpRequest Get(const QString &address, int seconds = 5)
    {
        HttpRequest request;
        request.url = address;
        request.timeout = std::chrono::seconds(seconds);
        return request;
    }
    void waitUntilHeld();
    void resetHold()
    {
        std::lock_guard lock(m_mutex);
        m_holding = false;
    }

    httplib::Server m_server;
    std::thread m_serverThread;
    int m_port = 0;

    // A held request waits here until the test ends it.
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_holding = false;
    bool m_release = false;
};

void TestHttpTransport::initTestCase()
{
    m_server.Get(R"(/status/(\d+))", [](const httplib::Request &request, httplib::Response &res) {
        res.status = std::stoi(request.matches[1]);
        res.set_content("answer " + std::string(request.matches[1]), "text/plain");
    });
    m_server.Get("/busy", [](const httplib::Request &request, httplib::Response &res) {
        res.status = 429;
        if (request.has_param("after"))
            res.set_header("Retry-After", request.get_param_value("after"));
    });
    m_server.Post("/echo", [](const httplib::Request &request, httplib::Response &res) {
        res.set_content(request.get_header_value("Content-Length") + '|' +
                            request.get_header_value("Content-Type") + '|' +
                            request.get_header_value("Expect") + '|' + request.body,
                        "text/plain");
    });
    m_server.Get("/hold", [this](const httplib::Request &, httplib::Response &res) {
        std::unique_lock lock(m_mutex);
        m_holding = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_release; });
        res.set_content("late", "text/plain");
    });
    m_server.Get("/huge-declared", [](const httplib::Request &, httplib::Response &res) {
        res.set_content_provider(kOversized, "application/octet-stream",
                                 [](size_t offset, size_t, httplib::DataSink &sink) {
                                     return WriteFiller(offset, kOversized, sink);
                                 });
    });
    m_server.Get(R"(/chunked/(\d+))", [](const httplib::Request &request, httplib::Response &res) {
        const size_t total = std::stoull(request.matches[1]);
        res.set_chunked_content_provider("application/octet-stream",
                                         [total](size_t offset, httplib::DataSink &sink) {
                                             return WriteFiller(offset, total, sink);
                                         });
    });
    m_port = m_server.bind_to_any_port("127.0.0.1");
    QVERIFY(m_port > 0);
    m_serverThread = std::thread([this] { m_server.listen_after_bind(); });
}

void TestHttpTransport::cleanupTestCase()
{
    {
        std::lock_guard lock(m_mutex);
        m_release = true;
    }
    m_changed.notify_all();
    // A stop before the server thread has begun to listen is lost, and the listen
    // would then never end: a short run (one test function) can get here that soon.
    while (!m_server.is_running())
        std::this_thread::yield();
    m_server.stop();
    if (m_serverThread.joinable())
        m_serverThread.join();
}

void TestHttpTransport::waitUntilHeld()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_holding; });
}

void TestHttpTransport::statusAndBody_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("transportError");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("a success comes with its body") << 200 << false << QByteArray("answer 200");
    QTest::newRow("a missing page is an answer, not a failure")
        << 404 << false << QByteArray("answer 404");
    QTest::newRow("a server failure is an answer too") << 503 << false << QByteArray("answer 503");
    QTest::newRow("a refused access token is a transport error") << 401 << true << QByteArray();
}

void TestHttpTransport::statusAndBody()
{
    QFETCH(int, status);
    QFETCH(bool, transportError);
    QFETCH(QByteArray, body);

    CurlTransport transport;
    const HttpResponse response = transport.send(Get(url("/status/") + QString::number(status)));
    QCOMPARE(response.transportError, transportError);
    QCOMPARE(response.status, status);
    QCOMPARE(response.body, body);
}

void TestHttpTransport::retryAfterIsRead_data()
{
    QTest::addColumn<QString>("header"); // null: none sent
    QTest::addColumn<qint64>("seconds");

    const QString inTenMinutes = QDateTime::currentDateTimeUtc().addSecs(600).toString(
        QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    QTest::newRow("no header names no wait") << QString() << qint64(0);
    QTest::newRow("seconds") << QStringLiteral("120") << qint64(120);
    QTest::newRow("an HTTP date") << inTenMinutes << qint64(600);
    QTest::newRow("a date in the past names no wait")
        << QStringLiteral("Wed, 21 Oct 2015 07:28:00 GMT") << qint64(0);
    QTest::newRow("words name no wait") << QStringLiteral("soon") << qint64(0);
}

void TestHttpTransport::retryAfterIsRead()
{
    QFETCH(QString, header);
    QFETCH(qint64, seconds);

    CurlTransport transport;
    QString address = url("/busy");
    if (!header.isNull())
        address += QStringLiteral("?after=") + QString::fromLatin1(QUrl::toPercentEncoding(header));
    const HttpResponse response = transport.send(Get(address));
    QCOMPARE(response.status, 429);
    // A date is counted from the moment the answer arrives: allow the test's own time.
    QVERIFY2(qAbs(response.retryAfter.count() - seconds) <= 5,
             qPrintable(QString::number(response.retryAfter.count())));
}

void TestHttpTransport::bodyIsSentWithTheCallersLength()
{
    HttpRequest request = Get(url("/echo"));
    request.method = "POST";
    request.body = "grant_type=refresh_token&refresh_token=a%2Bb";
    request.headers = {{"Content-Length", QByteArray::number(request.body.size())},
                       {"Content-Type", "application/x-www-form-urlencoded"}};

    CurlTransport transport;
    const HttpResponse response = transport.send(request);
    QVERIFY(!response.transportError);
    QCOMPARE(response.body, "44|application/x-www-form-urlencoded||" + request.body);
}

void TestHttpTransport::refusedConnectionIsATransportError()
{
#ifndef Q_OS_UNIX
    QSKIP("Holds a port with the POSIX socket calls");
#else
    // A port that is bound but never listened on refuses connections.
    const int socketFd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr *>(&address), length), 0);
    QCOMPARE(::getsockname(socketFd, reinterpret_cast<sockaddr *>(&address), &length), 0);
    const int port = ntohs(address.sin_port);

    CurlTransport transport;
    const HttpResponse response =
        transport.send(Get(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
    ::close(socketFd);
    QVERIFY(response.transportError);
#endif
}

void TestHttpTransport::slowAnswerTimesOut()
{
    resetHold();
    CurlTransport transport;
    const HttpResponse response = transport.send(Get(url("/hold"), 1));
    QVERIFY(response.transportError);
    QVERIFY(response.body.isEmpty());
}

void TestHttpTransport::oversizedAnswer_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qsizetype>("received");

    const QString chunked = QStringLiteral("/chunked/%1");
    QTest::newRow("an answer that announces more than 64 MiB") << "/huge-declared" << qsizetype(-1);
    QTest::newRow("a stream that grows past 64 MiB")
        << chunked.arg(CurlTransport::kMaxBodyBytes + 1) << qsizetype(-1);
    QTest::newRow("a stream of exactly 64 MiB is taken whole")
        << chunked.arg(CurlTransport::kMaxBodyBytes) << CurlTransport::kMaxBodyBytes;
}

void TestHttpTransport::oversizedAnswer()
{
    QFETCH(QString, path);
    QFETCH(qsizetype, received);
    CurlTransport transport;
    const HttpResponse response = transport.send(Get(url("") + path, 60));
    QCOMPARE(response.transportError, received < 0);
    QCOMPARE(response.body.size(), std::max(received, qsizetype(0)));
}

void TestHttpTransport::abortEndsARunningRequest()
{
    resetHold();
    CurlTransport transport;
    std::thread stopper([&] {
        waitUntilHeld();
        transport.abort();
    });
    // Held far beyond the test's own time limit: only the abort can end it.
    const HttpResponse response = transport.send(Get(url("/hold"), 600));
    stopper.join();
    QVERIFY(response.transportError);

    // Once aborted, the transport sends nothing more.
    QVERIFY(transport.send(Get(url("/status/200"))).transportError);
}

void TestHttpTransport::otherSchemesAreRefused_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("a local file") << "file:///etc/hostname";
    QTest::newRow("ftp") << "ftp://127.0.0.1:PORT/";
    QTest::newRow("a mail server speaks no http") << "smtp://127.0.0.1:PORT/";
}

void TestHttpTransport::otherSchemesAreRefused()
{
    QFETCH(QString, address);
    CurlTransport transport;
    const HttpResponse response =
        transport.send(Get(address.replace(QLatin1String("PORT"), QString::number(m_port))));
    QVERIFY(response.transportError);
    QVERIFY(response.body.isEmpty());
}

void TestHttpTransport::tokensGoOnlyToSafeAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("https") << "https://graph.microsoft.com" << true;
    QTest::newRow("https, upper case") << "HTTPS://Graph.Microsoft.com/v1.0" << true;
    QTest::newRow("http to another computer") << "http://graph.microsoft.com" << false;
    QTest::newRow("http to 127.0.0.1") << "http://127.0.0.1:8080" << true;
    QTest::newRow("http to the rest of 127/8") << "http://127.45.6.7:8080/x" << true;
    QTest::newRow("http to ::1") << "http://[::1]:8080" << true;
    QTest::newRow("http to localhost") << "http://LocalHost:8080" << true;
    QTest::newRow("http to a host named like loopback") << "http://127.0.0.1.example.com" << false;
    QTest::newRow("http with loopback as the user") << "http://127.0.0.1@example.com/" << false;
    QTest::newRow("http to localhost as a subdomain") << "http://localhost.example.com" << false;
    QTest::newRow("http to 128.0.0.1") << "http://128.0.0.1" << false;
    QTest::newRow("http to another IPv6 address") << "http://[::2]" << false;
    QTest::newRow("braces in the path, as page ids may hold")
        << "https://graph.microsoft.com/v1.0/me/onenote/pages/{8A7E}/content" << true;
    QTest::newRow("no host") << "https:///path" << false;
    QTest::newRow("no scheme") << "graph.microsoft.com" << false;
    QTest::newRow("another scheme") << "ftp://127.0.0.1" << false;
    QTest::newRow("nothing") << "" << false;
}

void TestHttpTransport::tokensGoOnlyToSafeAddresses()
{
    QFETCH(QString, address);
    QTEST(platform::AddressMayCarryTokens(address), "allowed");
    if (!platform::AddressMayCarryTokens(address)) {
        // The transport itself sends nothing there.
        CurlTransport transport;
        QVERIFY(transport.send(Get(address)).transportError);
    }
}

QTEST_GUILESS_MAIN(TestHttpTransport)
#include "tst_httptransport.moc"
