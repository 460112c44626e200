#pragma once

#include <string>
#include <vector>

// The product's extension command, which installs, removes and lists the
// product's extensions outside the system package manager. Its codes and
// download URLs come from the extension catalogue feed on the network, so they
// are checked when the feed is read and again before a command line is built.
namespace ExtensionCommand {

constexpr const char* path = "/usr/local/kvo/bin/extension";
// Tells the product's PHP code that the installer runs it. Set in the command's
// own environment only: the installer's other threads and later children must
// not see it.
constexpr const char* internalVariable = "ZARNI_INTERNAL_PHP_EXEC";

// Letters, digits and "-", at least one.
bool isValidCode(const std::string& code);
// An http or https URL with a host part, without white space or control
// characters.
bool isValidDownloadUrl(const std::string& url);

// The shell command line running the command with the arguments (each
// shell-quoted) and the internal variable set to "1" in its environment only.
std::string commandLine(const std::vector<std::string>& arguments);

}  // namespace ExtensionCommand
