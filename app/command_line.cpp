#include "app/command_line.h"

namespace {

bool isSeparator(unsigned char byte) { return byte <= 0x20 || byte == 0x7F; }

// The length of the character at text[i]: 2 for a lead byte with a byte after it, else 1.
std::size_t charLength(std::string_view text, std::size_t i, bool (*isLeadByte)(unsigned char)) {
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

}  // namespace

bool isGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::vector<std::string> splitCommandLine(std::string_view text, bool (*isLeadByte)(unsigned char)) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::size_t start = i;
        if (text[i] == '"') {
            start = ++i;
            while (i < text.size() && text[i] != '"') i += charLength(text, i, isLeadByte);
            arguments.emplace_back(text.substr(start, i - start));
            if (i < text.size()) ++i;  // the closing quote
            continue;
        }
        while (i < text.size() && text[i] != '"' && !isSeparator(static_cast<unsigned char>(text[i])))
            i += charLength(text, i, isLeadByte);
        arguments.emplace_back(text.substr(start, i - start));
    }
    return arguments;
}

std::string_view argumentsAfterProgram(std::string_view line, bool (*isLeadByte)(unsigned char)) {
    std::size_t i = 0;
    while (i < line.size() && isSeparator(static_cast<unsigned char>(line[i]))) ++i;
    if (i < line.size() && line[i] == '"') {
        ++i;
        while (i < line.size() && line[i] != '"') i += charLength(line, i, isLeadByte);
        if (i < line.size()) ++i;
    } else {
        while (i < line.size() && !isSeparator(static_cast<unsigned char>(line[i]))) i += charLength(line, i, isLeadByte);
    }
    while (i < line.size() && isSeparator(static_cast<unsigned char>(line[i]))) ++i;
    return line.substr(i);
}
