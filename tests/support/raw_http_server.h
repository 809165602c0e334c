// A loopback HTTP stand-in for tests: a thread that accepts connections on 127.0.0.1,
// records every byte of each request exactly as it arrived (request line, header lines,
// body) and answers with a canned response. It can answer late, in slow pieces, or never.
#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// "HTTP/1.1 <status> <reason>" with Content-Length, Connection: close, `extraHeaders`
// (lines ending in CR LF) and `body`.
std::string httpResponse(int status, const std::string& reason, const std::string& body,
                         const std::string& extraHeaders = "");

struct RawHttpServerOptions {
    int port = 0;              // 0 picks a free port
    std::string response = httpResponse(200, "OK", "");
    int delayMs = 0;           // wait before answering
    bool neverAnswer = false;  // read the request, then keep the connection open and silent
    size_t pieceBytes = 0;     // > 0: send the response in pieces of this size ...
    int pieceDelayMs = 0;      // ... this far apart
};

class RawHttpServer {
public:
    explicit RawHttpServer(const RawHttpServerOptions& options = {});
    ~RawHttpServer();
    RawHttpServer(const RawHttpServer&) = delete;
    RawHttpServer& operator=(const RawHttpServer&) = delete;

    // False when the port could not be bound (e.g. already taken).
    bool listening() const { return listening_; }
    int port() const { return port_; }
    std::string url(const std::string& path = "/") const;

    // Every request so far, whole (headers and as many body bytes as Content-Length says).
    std::vector<std::string> requests() const;
    std::string lastRequest() const;
    size_t requestCount() const;
    // Waits until `count` requests have arrived or `ms` passed.
    bool waitForRequests(size_t count, int ms = 5000) const;

    void setResponse(const std::string& response);

private:
    void run();
    void serve(unsigned long long socket);

    RawHttpServerOptions options_;
    unsigned long long listener_;
    bool listening_ = false;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::vector<unsigned long long> held_;  // silent connections, closed at the end
    std::thread thread_;
};

}  // namespace testsupport
