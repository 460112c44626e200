#pragma once

#include <boost/format.hpp>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

// A catalogue text with its arguments, formatted with Boost.Format (every format
// error on) when it is written out. A translated text whose directives do not fit
// the arguments must never hide the message it carries: the formatting then logs
// one warning naming the key and the language and formats the English text of the
// key instead. Only when the English text does not fit either does the format
// error leave (a programming error the message table tests catch).
class MessageFormat {
public:
    MessageFormat(std::string key, std::string text, std::string locale);

    template <class T>
    MessageFormat& operator%(const T& argument)
    {
        std::ostringstream shown;
        shown << argument;
        arguments_.push_back(shown.str());
        return *this;
    }

    std::string str() const;
    // The plain Boost.Format of the text, for callers that feed it themselves.
    operator boost::format() const { return boost::format(text_); }

private:
    std::string key_;
    std::string text_;
    std::string locale_;
    std::vector<std::string> arguments_;
};

inline std::ostream& operator<<(std::ostream& out, const MessageFormat& message) { return out << message.str(); }
