// One synchronous HTTP request through the platform's Internet client library.
//
// The routine returns the response body exactly as received (no decoding, no status check);
// it is empty when no session, connection or request could be opened, and holds what arrived
// before a failure or time-out otherwise. While the body is read, pending window messages are
// dispatched before each 512-byte read, so windows stay responsive and an event handled in
// there may start another, independent request.
#pragma once
#include <string>

// url:             http://host[:port][/path][?query], or the same without "http://"
// method:          "POST" in any letter case sends a POST (verb as given); anything else,
//                  and nullptr, means GET, and "GET" is written back into *method
// proxy:           "host:port" of an HTTP proxy; nullptr connects directly
// headers:         extra header lines, each ending in CR LF; on return it holds the completed
//                  block that was sent
// body:            sent only with a POST, and only when not empty
// responseHeaders: when given, receives the raw response header block (at most 1023 bytes)
std::string httpRequest(const std::string& url, std::string* method = nullptr, const std::string* proxy = nullptr,
                        std::string* headers = nullptr, const std::string* body = nullptr,
                        std::string* responseHeaders = nullptr);
