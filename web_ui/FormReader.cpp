#include "web_ui/FormReader.h"

#include "common/Messages.h"
#include "common/error.h"
#include "web_ui/WebPage.h"

#include <algorithm>

namespace {

// Values shown in the refusal are cut: the operator needs the start, not a
// page of text.
constexpr std::size_t kShownValueLength = 64;

}  // namespace

std::string checkedFormValue(const std::string& name, const std::optional<std::string>& value, std::size_t capacity)
{
    if (!value) return std::string();
    if (value->size() + 1 > capacity) {
        const std::string start = value->substr(0, std::min(value->size(), kShownValueLength));
        throw error(2, 1, 1, 1) << (Messages::format("err_param_invalid") % name % (start + "...")).str();
    }
    return *value;
}

FormReader formReaderOf(const WebPage& page)
{
    // Read with room for one byte more than the buffer holds, so that a value
    // that would have been cut shows.
    return [&page](const std::string& name, std::size_t capacity) {
        return checkedFormValue(name, page.formVariable(name.c_str(), capacity), capacity);
    };
}
