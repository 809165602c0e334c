// What the translator does with texts: the mode literals, the query encoding, the request
// body with its time field, and reading a translation out of the service's reply. All of it
// is byte work on GBK texts; the window (translator_window_win.cpp) only moves texts between
// its controls and these functions.
#pragma once
#include <functional>
#include <string>

// Direction fields that end every request body; empty until the user picks a mode, and kept
// for the whole run, also across reopening the window.
extern std::string translationPair;

// The three texts of the mode box, in index order.
extern const char* const kTranslationModes[3];

// Sets `pair` from the mode box index 0..2; any other index leaves it unchanged.
void selectTranslationPair(std::string& pair, int index);

// Converts one GBK character (normally two bytes; one when the text ends on a lead byte) to
// UTF-8. The Windows build goes through the platform's code-page functions.
using GbkToUtf8 = std::function<std::string(const std::string& gbkCharacter)>;

// The query value: letters, digits, the space and control characters other than TAB, LF and
// CR stay as they are; the other printable ASCII characters, TAB, LF and CR become "%XX";
// every non-ASCII character becomes the %XX of each byte of its UTF-8 form.
std::string encodeQuery(const std::string& gbkText, const GbkToUtf8& toUtf8);

// Local calendar time, as the clock on the wall shows it.
struct LocalTime {
    int year, month, day, hour, minute, second;
};
// Whole seconds from 1970-01-01 08:00:00 to `now`, as decimal digits (negative before it).
std::string timeField(const LocalTime& now);

// "ie=utf-8&source=txt&query=" + encoded + "&t=" + seconds + "555" + pair.
std::string requestBody(const std::string& encodedQuery, const std::string& seconds, const std::string& pair);

// The reply as GBK text. Invalid UTF-8 bytes and characters that GBK cannot represent are
// dropped, a truncated sequence at the end is dropped, and the text ends at the first NUL.
std::string replyToGbk(const std::string& utf8Reply);

// What the result label shows after `gbkReply` arrives, given what it shows now. The
// Chinese-to-English reply (and the English-to-Chinese one without paragraphs) replaces the
// text by the first "dst" value, or empties it; the English-to-Chinese paragraph reply
// appends the third and later paragraphs, each followed by two CR LF; any other reply keeps
// the text. A pattern search that the regex engine gives up on counts as no match.
std::string resultLabelText(const std::string& gbkReply, const std::string& currentText);

// The address the request goes to.
extern const char kTranslateUrl[];
