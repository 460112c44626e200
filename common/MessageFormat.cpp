#include "common/MessageFormat.h"

#include "common/Log.h"
#include "common/Messages.h"

#include <utility>

namespace {

std::string formatted(const std::string& text, const std::vector<std::string>& arguments)
{
    boost::format format(text);
    format.exceptions(boost::io::all_error_bits);
    for (const std::string& argument : arguments) format % argument;
    return format.str();
}

}  // namespace

MessageFormat::MessageFormat(std::string key, std::string text, std::string locale)
    : key_(std::move(key)), text_(std::move(text)), locale_(std::move(locale))
{
}

std::string MessageFormat::str() const
{
    try {
        return formatted(text_, arguments_);
    } catch (const boost::io::format_error& failure) {
        const std::string& english = Messages::englishText(key_.c_str());
        if (english == text_) throw;
        // Inside a log statement this line comes first: the lock is recursive,
        // and the message it warns about is still being built.
        Log(1, true) << "Warning: the text of the message " << key_ << " in the language " << locale_
                     << " does not fit its arguments (" << failure.what() << "); the English text is used";
        return formatted(english, arguments_);
    }
}
