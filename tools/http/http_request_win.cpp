#include "tools/http/http_request.h"

#include <windows.h>
#include <wininet.h>

#include "tools/http/http_url.h"

namespace {

const char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const DWORD kTimeoutMs = 18000;
const DWORD kReadChunk = 512;
const DWORD kResponseHeaderBuffer = 1024;

// Lets the window system run what is pending, so the caller's windows repaint and take input
// while a reply trickles in. Handlers run from here may re-enter httpRequest.
void pumpPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

std::string httpRequest(const std::string& url, std::string* method, const std::string* proxy, std::string* headers,
                        const std::string* body, std::string* responseHeaders) {
    std::string localMethod, localHeaders;
    std::string& verb = method ? *method : localMethod;
    std::string& headerBlock = headers ? *headers : localHeaders;
    const std::string emptyBody;
    const std::string& content = body ? *body : emptyBody;

    HINTERNET session;
    if (proxy) {
        std::string proxyText = "http=" + *proxy;
        session = InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_PROXY, proxyText.c_str(), "", 0);
    } else {
        session = InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    }
    if (!session) return std::string();

    std::string host = urlHost(url);
    INTERNET_PORT port = static_cast<INTERNET_PORT>(urlPort(url));
    HINTERNET connection = InternetConnectA(session, host.c_str(), port, "", "", INTERNET_SERVICE_HTTP, 0, 0);
    if (!connection) {
        InternetCloseHandle(session);
        return std::string();
    }

    bool isGet = normaliseMethod(verb);
    std::string path = urlPath(url);
    HINTERNET request = HttpOpenRequestA(connection, verb.c_str(), path.c_str(), "HTTP/1.1", nullptr, nullptr,
                                         INTERNET_FLAG_RELOAD, 0);
    if (!request) {
        InternetCloseHandle(session);
        InternetCloseHandle(connection);
        return std::string();
    }

    DWORD timeout = kTimeoutMs;
    InternetSetOptionA(request, INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof timeout);
    InternetSetOptionA(request, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);
    InternetSetOptionA(request, INTERNET_OPTION_SEND_TIMEOUT, &timeout, sizeof timeout);

    completeRequestHeaders(headerBlock, url);
    // The send's outcome is deliberately not checked: a failed send leaves nothing to read,
    // so the read loop below ends at once with an empty result.
    if (isGet) {
        HttpSendRequestA(request, headerBlock.c_str(), static_cast<DWORD>(headerBlock.size()), nullptr, 0);
    } else {
        appendBodyHeaders(headerBlock, content);
        HttpSendRequestA(request, headerBlock.c_str(), static_cast<DWORD>(headerBlock.size()),
                         content.empty() ? nullptr : const_cast<char*>(content.data()),
                         static_cast<DWORD>(content.size()));
    }

    std::string result;
    for (;;) {
        pumpPendingMessages();
        char chunk[kReadChunk];
        DWORD got = 0;
        if (!InternetReadFile(request, chunk, kReadChunk, &got) || got == 0) break;
        result.append(chunk, got);
    }

    if (responseHeaders) {
        char buffer[kResponseHeaderBuffer] = {};
        DWORD size = kResponseHeaderBuffer;
        // A block too big for the buffer leaves it empty; the outcome is not examined.
        HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer, &size, nullptr);
        buffer[kResponseHeaderBuffer - 1] = '\0';
        *responseHeaders = buffer;
    }

    InternetCloseHandle(session);
    InternetCloseHandle(connection);
    InternetCloseHandle(request);
    return result;
}
