#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The system's one way of turning option and attribute texts into booleans and
// numbers, its trimming rules, its comma lists and the escapings used when text
// goes into web pages, scripts, quoted output and shell command lines.

// "true", "1", "yes", "on" are true; "", "false", "0", "no", "off" are false
// without comment; anything else is false and says so in the log (level 2).
bool strToBool(const std::string& text);
// A null pointer is false.
bool strToBool(const char* text);

// An optional sign followed by decimal digits; the empty text is 0. Anything
// else, a number out of the 64-bit range included, raises `error` with
// err_non_digit and unset codes (the catching level supplies them).
std::int64_t strToLong(const std::string& text);

// White space is " \f\n\r\t\v".
std::string trim(const std::string& text);
std::string trimRight(const std::string& text);
// In place; a null pointer is left alone.
void trimCString(char* text);
// Removes one trailing newline, nothing else.
void chompNewline(char* text);

void toLower(std::string& text);
bool endsWith(const std::string& text, const std::string& suffix);
// The major part of a version: the text before the first ".".
std::string beforeFirstDot(const std::string& text);

// Comma list with double-quote grouping and backslash escapes (\n, \", \,, \\);
// fields are trimmed, empty fields at both ends are dropped. A bad escape raises
// a std::runtime_error ("unknown escape sequence", "cannot end with escape").
std::vector<std::string> splitList(const std::string& text);

// A double-quoted string for a script inside an HTML page.
std::string jsQuote(const std::string& text);
// Each newline becomes "<br />\n"; carriage returns are dropped.
std::string nl2br(const std::string& text);
// A C-style double-quoted string (\\, \", \xhh for unprintable bytes) for
// display and for files. Never use it to make text safe for a shell.
std::string quoteString(const std::string& text);
// The form of values in the options and parameters files: quoteString's, but
// only control bytes are written as "\xhh", so UTF-8 text stays readable.
std::string escapeQuoted(const std::string& text);

// One word for a "/bin/sh -c" line that the shell hands on unchanged: the text in
// single quotes, each single quote inside written as '\''. Every text that is put
// into a shell command line goes through this.
std::string shellQuote(const std::string& text);
// The text as a URL query value: every byte but letters, digits and "-._~" as
// "%XX" (upper-case hexadecimal).
std::string percentEncode(const std::string& text);

// Base64 with the standard alphabet and "=" padding; with a line length, a
// carriage return and line feed follow every that many output characters (the
// MIME form, 76).
std::string base64Encode(const std::string& data, std::size_t lineLength = 0);
