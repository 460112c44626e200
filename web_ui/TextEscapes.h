#pragma once

#include <string>

// The escapes of every value that page code puts into a page. The template
// renderer inserts values as they are; text that comes from outside the web
// catalogue (the back end's replies, the operator's input, error texts) goes
// through the escape of the place it lands in.

// Text between tags: "&", "<", ">", the double quote and the apostrophe become
// entities, other bytes below 32 "&#xHH;", and line ends "<br/>" and a line
// feed (a line feed followed by a carriage return is one break; any other
// carriage return or line feed is a break of its own). A well-formed
// hexadecimal character reference ("&#x41;") passes through unchanged.
std::string escapeHtmlText(const std::string& text);

// An attribute value in double or single quotes: escapeHtmlText's entities,
// without line breaks.
std::string escapeHtmlAttribute(const std::string& text);

// A JavaScript string literal inside a script block, in JSON form with its
// quotes: besides JSON's own escapes "<", ">", "&", the apostrophe and the
// line separators U+2028 and U+2029 are written as \u escapes, so that the
// literal can neither end the script element nor break the statement. Inside
// an HTML attribute it is escaped once more with escapeHtmlAttribute.
std::string escapeJavaScriptString(const std::string& text);

// A path segment or query value of a URL: every byte but letters, digits and
// "-._~" as "%XX".
std::string escapeUrlPart(const std::string& text);
