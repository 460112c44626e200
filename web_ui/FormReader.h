#pragma once

#include <cstddef>
#include <functional>
#include <string>

struct kwhttpd_arg;

// Reads one variable of a submitted form: its decoded value, empty when the
// form lacks it. `capacity` is the variable's buffer including the end byte:
// a longer value raises error (2,1,1,1) "err_param_invalid" naming the
// variable, because a cut value would be half an id or half a path.
using FormReader = std::function<std::string(const std::string& name, std::size_t capacity)>;

// The form reader over the POST body of the request.
FormReader formReaderOf(kwhttpd_arg* arg);

// The same checks over a body given as text ("a=1&b=2").
std::string readFormVariable(const std::string& body, const std::string& name, std::size_t capacity);
