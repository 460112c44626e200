#include "installer/params/Placeholders.h"

#include "common/Messages.h"

std::string replacePlaceholders(const std::string& text,
                                const std::function<bool(const std::string& name, std::string& value)>& lookup)
{
    std::string result = text;
    std::size_t from = 0;
    for (;;) {
        const std::size_t open = result.find('[', from);
        if (open == std::string::npos) break;
        const std::size_t close = result.find(']', open);
        if (close == std::string::npos) break;
        std::string value;
        if (!lookup(result.substr(open + 1, close - open - 1), value)) {
            from = close;
            continue;
        }
        result.replace(open, close - open + 1, value);
        from = value.empty() ? open : open + value.size() - 1;
    }
    return result;
}

std::string substitute_builtin_placeholders(const std::string& text)
{
    return replacePlaceholders(text, [](const std::string& name, std::string& value) {
        if (name != "LOCALE") return false;
        const std::string& locale = Messages::getLocale();
        value = locale.substr(0, locale.find('.'));
        if (value.size() > 3 && value[2] == '_') value[2] = '-';
        return true;
    });
}
