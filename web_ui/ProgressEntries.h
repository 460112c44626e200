#pragma once

struct kwhttpd_arg;
class TiXmlElement;

// The progress update's entries (the answer of "/percentage.html"): script
// object literals, appended to the answer with kwhttpd_printf. Values are the
// back end's, written as script strings.

// One entry per "product" child of the element, separated by ", ".
void writeProgressEntries(const TiXmlElement* element, kwhttpd_arg* arg);
// { "prodId": "...", "status": "..." [, "percentage": "..."] } from the last
// "progress" child; nothing without an id or a status. A product followed by
// another element ends with "}, ".
void writeProgressEntry(const TiXmlElement* product, kwhttpd_arg* arg);
// {"output": <the element's first text as a script string>};
// nothing when the element has no text.
void writeConsoleEntry(const TiXmlElement* element, kwhttpd_arg* arg);
