#include "tests/support/raw_http_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>

namespace testsupport {

namespace {

struct WinsockUser {
    WinsockUser() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUser() { WSACleanup(); }
};

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Content-Length of a header block, 0 without one.
size_t contentLength(const std::string& head) {
    std::string low;
    for (char c : head) low += lower(c);
    size_t at = low.find("\r\ncontent-length:");
    if (at == std::string::npos) return 0;
    at += 17;
    while (at < low.size() && low[at] == ' ') ++at;
    size_t n = 0;
    while (at < low.size() && low[at] >= '0' && low[at] <= '9') n = n * 10 + (low[at++] - '0');
    return n;
}

void sendAll(SOCKET s, const char* data, size_t size) {
    while (size > 0) {
        int sent = send(s, data, static_cast<int>(size), 0);
        if (sent <= 0) return;
        data += sent;
        size -= static_cast<size_t>(sent);
    }
}

void sleepMs(int ms) { Sleep(static_cast<DWORD>(ms)); }

}  // namespace

std::string httpResponse(int status, const std::string& reason, const std::string& body,
                         const std::string& extraHeaders) {
    return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

RawHttpServer::RawHttpServer(const RawHttpServerOptions& options) : options_(options), listener_(INVALID_SOCKET) {
    static WinsockUser winsock;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return;
    // A port of an earlier test's server may still linger in TIME_WAIT.
    BOOL yes = TRUE;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&yes), sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<u_short>(options.port));
    if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(s, 16) != 0) {
        closesocket(s);
        return;
    }
    int len = sizeof addr;
    getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    listener_ = s;
    listening_ = true;
    thread_ = std::thread([this] { run(); });
}

RawHttpServer::~RawHttpServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) closesocket(static_cast<SOCKET>(listener_));
    for (unsigned long long s : held_) closesocket(static_cast<SOCKET>(s));
}

std::string RawHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> RawHttpServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

std::string RawHttpServer::lastRequest() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_.empty() ? std::string() : requests_.back();
}

size_t RawHttpServer::requestCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_.size();
}

bool RawHttpServer::waitForRequests(size_t count, int ms) const {
    DWORD start = GetTickCount();
    while (requestCount() < count) {
        if (GetTickCount() - start > static_cast<DWORD>(ms)) return false;
        sleepMs(10);
    }
    return true;
}

void RawHttpServer::setResponse(const std::string& response) {
    std::lock_guard<std::mutex> lock(mutex_);
    options_.response = response;
}

void RawHttpServer::run() {
    SOCKET listener = static_cast<SOCKET>(listener_);
    while (!stop_) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval wait{0, 50 * 1000};
        if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
        SOCKET client = accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        serve(client);
    }
}

void RawHttpServer::serve(unsigned long long socketHandle) {
    SOCKET client = static_cast<SOCKET>(socketHandle);
    std::string data;
    size_t needed = std::string::npos;
    char buffer[4096];
    DWORD start = GetTickCount();
    while (!stop_ && GetTickCount() - start < 30000) {
        if (needed != std::string::npos && data.size() >= needed) break;
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(client, &ready);
        timeval wait{0, 50 * 1000};
        if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
        int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        data.append(buffer, got);
        size_t end = data.find("\r\n\r\n");
        if (needed == std::string::npos && end != std::string::npos) needed = end + 4 + contentLength(data.substr(0, end + 2));
    }
    std::string response;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(data);
        response = options_.response;
    }

    if (options_.neverAnswer) {
        std::lock_guard<std::mutex> lock(mutex_);
        held_.push_back(client);
        return;
    }
    for (int waited = 0; waited < options_.delayMs && !stop_; waited += 10) sleepMs(10);
    if (options_.pieceBytes == 0) {
        sendAll(client, response.data(), response.size());
    } else {
        for (size_t at = 0; at < response.size() && !stop_; at += options_.pieceBytes) {
            if (at > 0) sleepMs(options_.pieceDelayMs);
            sendAll(client, response.data() + at, std::min(options_.pieceBytes, response.size() - at));
        }
    }
    shutdown(client, SD_SEND);
    closesocket(client);
}

}  // namespace testsupport
