#include "tools/http/http_url.h"

#include <cctype>

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalNoCase(const std::string& a, std::string::size_type at, const std::string& b) {
    if (a.size() < at + b.size()) return false;
    for (std::string::size_type i = 0; i < b.size(); ++i)
        if (lowerAscii(a[at + i]) != lowerAscii(b[i])) return false;
    return true;
}

// Where the host part starts and ends (end is npos when it runs to the end of the URL).
struct HostSpan {
    std::string::size_type begin;
    std::string::size_type end;
};

HostSpan hostSpan(const std::string& url) {
    std::string::size_type begin = equalNoCase(url, 0, "http://") ? 7 : 0;
    return {begin, url.find('/', begin)};
}

std::string hostPart(const std::string& url) {
    HostSpan s = hostSpan(url);
    return url.substr(s.begin, s.end == std::string::npos ? std::string::npos : s.end - s.begin);
}

}  // namespace

std::string::size_type findNoCase(const std::string& haystack, const std::string& needle) {
    if (needle.size() > haystack.size()) return std::string::npos;
    for (std::string::size_type i = 0; i + needle.size() <= haystack.size(); ++i)
        if (equalNoCase(haystack, i, needle)) return i;
    return std::string::npos;
}

std::string urlHost(const std::string& url) {
    std::string host = hostPart(url);
    host = host.substr(0, host.find(':'));
    for (char& c : host) c = lowerAscii(c);
    return host;
}

int urlPort(const std::string& url) {
    std::string host = hostPart(url);
    std::string::size_type colon = host.find(':');
    if (colon == std::string::npos) return 80;
    long value = 0;
    bool digits = false;
    for (std::string::size_type i = colon + 1; i < host.size() && host[i] >= '0' && host[i] <= '9'; ++i) {
        digits = true;
        value = value * 10 + (host[i] - '0');
        if (value > 65535) return 0;
    }
    return digits ? static_cast<int>(value) : 0;
}

std::string urlPath(const std::string& url) {
    HostSpan s = hostSpan(url);
    return s.end == std::string::npos ? std::string("/") : url.substr(s.end);
}

bool normaliseMethod(std::string& method) {
    std::string upper = method;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (upper != "POST") method = "GET";
    return method == "GET";
}

void completeRequestHeaders(std::string& headers, const std::string& url) {
    if (findNoCase(headers, "Accept: ") == std::string::npos)
        headers += "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
                   "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
    if (findNoCase(headers, "Referer: ") == std::string::npos) headers += "Referer: " + url + "\r\n";
    if (findNoCase(headers, "Accept-Language: ") == std::string::npos) headers += "Accept-Language: zh-cn\r\n";
}

void appendBodyHeaders(std::string& headers, const std::string& body) {
    if (body.empty()) return;
    headers += "Content-Type: application/x-www-form-urlencoded\r\n";
    headers += "Content-Length: " + std::to_string(body.size()) + "\r\n";
}
