#include "common/splitArgs.h"

#include "common/Messages.h"
#include "common/error.h"

namespace {

// isspace in the "C" locale, whatever the process's locale is.
bool isWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::vector<std::string> splitArgs(const std::string& line)
{
    std::vector<std::string> words;
    const std::size_t size = line.size();
    std::size_t i = 0;
    for (;;) {
        while (i < size && isWhite(line[i])) ++i;
        if (i == size) return words;

        std::string word;
        const char quote = line[i];
        if (quote == '\'' || quote == '"') {
            ++i;
            bool closed = false;
            while (i < size) {
                const char c = line[i++];
                if (c == quote) {
                    closed = true;
                    break;
                }
                // A backslash that ends the line has nothing to escape: it stays.
                if (quote == '"' && c == '\\' && i < size) {
                    word += line[i++];
                    continue;
                }
                word += c;
            }
            if (closed && i < size && !isWhite(line[i]))
                throw error(0, 1, 1, 2) << (Messages::format("err_spsepval") % line);
        } else {
            while (i < size && !isWhite(line[i])) word += line[i++];
        }
        words.push_back(word);
    }
}
