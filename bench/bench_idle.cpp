// What an hour of idle page steps costs on the wire: the worker signs in to the
// local service stand-in, downloads a 10,000-item page once, then runs the two-
// minute step for an hour while the page stays as it is, and once more with every
// step forced to download (as the Refresh command does). Prints the bytes of the
// answers' bodies received in each hour; headers add a few hundred bytes a request.

#include "BenchPage.h"
#include "StandIn.h"
#include "SyncFixture.h"
#include "text/Pkce.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kStepsPerHour = 3600 / MThreadOnlineOneNote::kPageStepInterval;

// The real transport, counting what comes back.
class CountingTransport final : public platform::HttpTransport
{
public:
    qint64 received = 0;
    int requests = 0;

    platform::HttpResponse send(const platform::HttpRequest &request) override
    {
        platform::HttpResponse response = m_curl.send(request);
        received += response.body.size();
        ++requests;
        return response;
    }
    void abort() override { m_curl.abort(); }

private:
    platform::CurlTransport m_curl;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString pageFile = dir.filePath(QStringLiteral("board.html"));
    QFile file(pageFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(BenchPage(0).toUtf8()) < 0)
        return 1;
    file.close();
    StandIn standIn(pageFile);
    if (!standIn.isRunning()) {
        std::fprintf(stderr, "stand-in: %s\n", qPrintable(standIn.errorString()));
        return 1;
    }

    SyncFixture fx;
    fx.identityRoot.store(standIn.root());
    fx.graphRoot.store(standIn.root());
    fx.redirectAddress.store(standIn.redirectAddress());
    auto owned = std::make_unique<CountingTransport>();
    CountingTransport *transport = owned.get();
    MThreadOnlineOneNote worker(fx.state(), std::move(owned), [&fx] { return fx.now; });

    const QString verifier = Pkce::NewVerifier();
    fx.codeVerifier.store(verifier);
    fx.code.store(standIn.authorizationCode(fx.clientId.load(), {}, Pkce::Challenge(verifier)));
    worker.RunCycle();
    const qint64 page = fx.pageHtml.exchange(QString()).toUtf8().size();
    if (page == 0) {
        std::fprintf(stderr, "the first download failed\n");
        return 1;
    }
    std::printf("page_bytes %lld\n", static_cast<long long>(page));

    for (const bool forced : {false, true}) {
        transport->received = 0;
        transport->requests = 0;
        for (int step = 0; step < kStepsPerHour; ++step) {
            fx.now += MThreadOnlineOneNote::kPageStepInterval;
            if (forced)
                fx.ticks = 0;
            worker.RunCycle();
            fx.pageHtml.store(QString());
        }
        std::printf("%s_bytes_per_hour %lld (%d requests, %lld bytes a step)\n",
                    forced ? "forced" : "idle", static_cast<long long>(transport->received),
                    transport->requests,
                    static_cast<long long>(transport->received / kStepsPerHour));
    }
    return 0;
}
