#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

class WebPage;

// Reads one variable of a submitted form: its decoded value, empty when the
// form lacks it. `capacity` is the variable's buffer including the end byte:
// a longer value raises error (2,1,1,1) "err_param_invalid" naming the
// variable, because a cut value would be half an id or half a path.
using FormReader = std::function<std::string(const std::string& name, std::size_t capacity)>;

// The form reader of a page's POST body.
FormReader formReaderOf(const WebPage& page);

// The check of one value read with room for `capacity` bytes.
std::string checkedFormValue(const std::string& name, const std::optional<std::string>& value, std::size_t capacity);
