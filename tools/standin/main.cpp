// pinlark-standin: a local stand-in for the identity platform and Microsoft
// Graph, so tests and the demo run the real client over real HTTP on loopback.

#include "options.h"
#include "routes.h"
#include "service.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace {

// Enough workers that stalled requests and idle keep-alive connections never
// starve the admin API.
constexpr size_t kWorkerThreads = 32;

// Grace for requests in flight after a stop request before the process quits
// regardless (idle keep-alive connections otherwise hold it for seconds).
constexpr auto kStopGrace = std::chrono::seconds(2);

} // namespace

int main(int argc, char **argv)
{
    using namespace standin;
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "pinlark-standin: %s (see --help)\n", parsed.error.c_str());
        return 2;
    }

    // Signals are taken by one thread with sigwait, so the stop runs as
    // ordinary code; block them before any other thread exists.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    Service service(parsed.options);
    httplib::Server server;
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    installRoutes(server, service);

    const std::string host = "127.0.0.1";
    int port = parsed.options.port;
    if (port == 0)
        port = server.bind_to_any_port(host);
    else if (!server.bind_to_port(host, port))
        port = -1;
    if (port <= 0) {
        std::fprintf(stderr, "pinlark-standin: cannot listen on %s:%d\n", host.c_str(),
                     parsed.options.port);
        return 1;
    }
    service.root = "http://" + host + ":" + std::to_string(port);
    std::printf("listening on %s\n", service.root.c_str());
    std::fflush(stdout);

    std::atomic<bool> listenDone{false};
    std::thread stopper([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        service.faults.shutdown();
        const auto deadline = std::chrono::steady_clock::now() + kStopGrace;
        // stop() only acts once listening has begun: repeat until it took.
        while (!listenDone) {
            server.stop();
            if (std::chrono::steady_clock::now() > deadline) {
                std::fflush(nullptr);
                std::_Exit(0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    if (parsed.options.exitOnStdinEof) {
        // The parent holds our stdin open; when it exits or dies, the pipe
        // closes and we stop instead of lingering as an orphan.
        std::thread([] {
            char buffer[256];
            while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
            }
            kill(getpid(), SIGTERM);
        }).detach();
    }

    const bool listened = server.listen_after_bind();
    listenDone = true;
    kill(getpid(), SIGTERM); // wakes the stopper if the server ended on its own
    stopper.join();
    return listened ? 0 : 1;
}
