#include "web_ui/FormReader.h"

#include "common/Messages.h"
#include "common/error.h"
#include "webserver/kwhttpd.h"

#include <vector>

namespace {

// Values shown in the refusal are cut: the operator needs the start, not a
// page of text.
constexpr std::size_t kShownValueLength = 64;

}  // namespace

std::string readFormVariable(const std::string& body, const std::string& name, std::size_t capacity)
{
    // One byte more than the buffer shows whether the value would have been cut.
    std::vector<char> value(capacity + 1);
    const int length = kwhttpd_get_var(name.c_str(), body.data(), body.size(), value.data(), value.size());
    if (length < 0) return std::string();
    if (static_cast<std::size_t>(length) + 1 > capacity) {
        const std::string start(value.data(), std::min<std::size_t>(static_cast<std::size_t>(length), kShownValueLength));
        throw error(2, 1, 1, 1) << (Messages::format("err_param_invalid") % name % (start + "...")).str();
    }
    return std::string(value.data(), static_cast<std::size_t>(length));
}

FormReader formReaderOf(kwhttpd_arg* arg)
{
    const std::string body(arg->in.buf ? arg->in.buf : "", arg->in.buf ? static_cast<std::size_t>(arg->in.len) : 0);
    return [body](const std::string& name, std::size_t capacity) { return readFormVariable(body, name, capacity); };
}
