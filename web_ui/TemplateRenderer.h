#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

struct kwhttpd_arg;

// The variables of one page rendering, filled by the page handler: name to text.
using TemplateVariables = std::map<std::string, std::string>;

// The page templates' markup: plain HTML with tags in braces.
//   {key}        the text of a message key in the current language
//   {@name}      the variable's value
//   {#name}..{/name}  shown when the variable is true (not empty, not "0",
//                "false" or "no"); {^name}..{/name} when it is false
//   {! ... !}    a comment, dropped
// Values are inserted as they are: escaping data is the page code's duty
// (TextEscapes.h), and the translated web texts carry markup of their own.
// A name has 1 to 128 bytes and no white space; any other "{" is plain text,
// so the braces of script code pass through. Malformed markup never stops a
// rendering: it is reported at debug level and rendered as far as it goes.
//
// The output goes straight into a block of the caller's memory. When the
// block is full the rest of the page is dropped and the cut is logged.
class TemplateRenderer {
public:
    // `used` bytes of the block are already taken.
    TemplateRenderer(char* buffer, std::size_t capacity, std::size_t used = 0)
        : buffer_(buffer), capacity_(capacity), used_(used < capacity ? used : capacity)
    {
    }

    // Renders the whole template after what the block holds; adds an empty
    // entry to `variables` for every variable a tag names and the map lacks.
    // Returns the number of bytes written by this call.
    std::size_t render(std::string_view templateText, TemplateVariables& variables);

    std::size_t used() const { return used_; }
    bool full() const { return cut_; }

private:
    // Appends what fits; false once the block is full.
    bool append(std::string_view text);

    char* buffer_;
    std::size_t capacity_;
    std::size_t used_ = 0;
    bool cut_ = false;
};

// Renders the template into the handler's output block (after the bytes it
// already holds) and adds what it wrote to `arg->out.num_bytes`; returns that
// count. It does not end the answer: the handler sets KWHTTPD_OUTPUT_DONE.
int send_html_chunk(kwhttpd_arg* arg, const char* templateText, std::size_t length, TemplateVariables& variables);
