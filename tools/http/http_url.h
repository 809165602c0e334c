// The pure text work of the HTTP request routine: splitting a URL into host, port and path,
// settling the method, and completing the request header block. No platform calls here, so
// all of it is tested natively.
#pragma once
#include <string>

// Host of `url` (the part before any ":" of the host part), in lower case.
std::string urlHost(const std::string& url);
// Port of `url`: 80 without a ":"; otherwise the leading decimal digits after the ":". Text
// that has no digits there, or a number beyond 65535, gives 0, which the Internet library
// takes as the default port of the service rather than some wrapped-around port.
int urlPort(const std::string& url);
// Path and query of `url`, from the "/" that ends the host part; "/" when there is none.
std::string urlPath(const std::string& url);

// Anything but "POST" in some letter case becomes "GET". Returns true when the request is a
// GET afterwards (no body is sent then).
bool normaliseMethod(std::string& method);

// Appends the Accept, Referer and Accept-Language lines that `headers` lacks. Each is looked
// up as "Name: " (letter case ignored) anywhere in the block; Referer is `url` as given.
void completeRequestHeaders(std::string& headers, const std::string& url);

// For a request with a body: appends the form Content-Type and the Content-Length lines,
// whatever `headers` holds already. An empty body appends nothing.
void appendBodyHeaders(std::string& headers, const std::string& body);

// Case-insensitive (ASCII) search; npos when `needle` is absent.
std::string::size_type findNoCase(const std::string& haystack, const std::string& needle);
