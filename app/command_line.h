// Splitting the program's command line into the addresses that start-up opens, one tab each.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// GBK's lead bytes; the program itself passes the platform's test for the ANSI code page.
bool isGbkLeadByte(unsigned char byte);

// Blanks and control characters separate arguments. An argument that begins with a double
// quote runs to the next double quote and is taken without its quotes (without a closing
// quote it takes the rest); `""` is kept as an empty argument. Any other argument ends at
// the next blank, control character or double quote. A lead byte and the byte after it are
// one character and are never split, whatever that second byte is.
std::vector<std::string> splitCommandLine(std::string_view argsText, bool (*isLeadByte)(unsigned char) = isGbkLeadByte);

// The text after the executable's path of a full command line as the platform reports it:
// a quoted path ends at its closing quote, an unquoted one at the first blank or control
// character. The blanks after the path are skipped too.
std::string_view argumentsAfterProgram(std::string_view fullCommandLine, bool (*isLeadByte)(unsigned char) = isGbkLeadByte);
