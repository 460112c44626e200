#pragma once

#include "web_ui/TemplateRenderer.h"

#include <ostream>
#include <string>
#include <vector>

// One warning box of a page. Boxes the front end builds from its own web
// texts are HTML and shown as they are (the translations carry markup); a
// warning the back end sent is data and always escaped.
struct PageWarning {
    enum Origin { frontEnd, backEnd };
    Origin origin;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const PageWarning& warning);

// Every "http://" or "https://" address becomes a link to itself that opens
// in a new window; the rest of the text is copied unchanged. An address ends
// at the first byte that cannot belong to it, such as a blank or a quote.
std::string linkify(const std::string& text);

// Appends the page's message boxes to the variable "error_message": with an
// error text one error box (escaped, not linked) and no warning; otherwise a
// warning box for every non-empty warning, in order. A front-end box that
// starts with "<" (after white space) is used as it is, any other gets line
// breaks; a back-end warning is escaped with its line breaks. Both are linked.
void fillMessageBoxes(TemplateVariables& variables, const std::vector<PageWarning>& warnings,
                      const std::string& errorText);
