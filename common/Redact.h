#pragma once

#include <string>
#include <vector>

// The one place that hides secrets in text that is logged or shown: the log file
// and the error reports leave the machine, so a password must never reach them.
// Every log line or message that carries a URL, a credential or a setting that
// may hold one passes it through here.
namespace redact {

// What a hidden secret shows as.
inline constexpr const char* mask = "***";

// The URL with the password of its "user:password@" part replaced by the mask;
// anything that is not a URL with a password comes back unchanged.
std::string url(const std::string& text);

// Free text (collected command output, a message, a summary) as it may leave the
// machine: every "scheme://user:password@" loses its password, and each given
// secret is masked wherever it stands, also percent-encoded (upper or lower case
// hex digits), as a proxy password travels in a URL.
std::string text(const std::string& text, const std::vector<std::string>& secrets);

// A secret value as it may be shown: the mask, or empty when no secret is set
// (so the reader still sees whether one was given).
std::string secret(const std::string& value);

// A command line of the installer as it may be shown (banner, error report,
// mail): the value of "--proxy-password", the value part of each "name=value" of
// "--set-option" and "--options", and any "KEY=value" whose key names a password
// (an rc setting such as PROXY_PASSWORD) are masked; URLs lose their password.
// Options are recognised also in the "--name=value" form and abbreviated, as the
// option parsers accept them.
std::vector<std::string> arguments(const std::vector<std::string>& commandLine);

}  // namespace redact
