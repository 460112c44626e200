#include "installer/startup/Feedback.h"

#include "common/Log.h"
#include "common/StringUtils.h"
#include "common/fileops.h"

#include <sys/stat.h>

#include <atomic>
#include <fstream>
#include <sstream>

const char* const Feedback::directory = "/var/kestavine";

namespace {

std::atomic<bool> allowedByConfig(true);
std::atomic<bool> undecidedCountsAsConsent(false);

std::string pathOf(const char* name) { return std::string(Feedback::directory) + "/" + name; }

bool present(const char* name)
{
    struct stat info;
    return ::lstat(pathOf(name).c_str(), &info) == 0;
}

void write(const char* name, const std::string& content)
{
    fileops::create_directory(Feedback::directory);
    fileops::install_file(pathOf(name), content, 0600);
}

}  // namespace

Feedback::State Feedback::state()
{
    if (present("feedback-disabled")) return disabled;
    if (present("feedback-enabled")) return enabled;
    return undecided;
}

bool Feedback::isEnabled() { return state() == enabled; }

bool Feedback::isUndecided() { return state() == undecided; }

void Feedback::setEnabled(bool on)
{
    Log(3, true) << "Feedback::setEnabled(" << (on ? "true" : "false") << ")";
    // The new flag goes in before the old one goes, so no crash between the two
    // leaves the operator's answer lost (both present reads as disabled).
    if (on) {
        fileops::create_directory(directory);
        fileops::remove(pathOf("feedback-disabled"));
        write("feedback-enabled", std::string());
    } else {
        write("feedback-disabled", std::string());
        fileops::remove(pathOf("feedback-enabled"));
    }
}

void Feedback::setProduct(const std::string& productId) { write("feedback-product", productId); }

void Feedback::setGroupId(const std::string& groupId) { write("feedback-group-id", groupId); }

std::string Feedback::getProduct()
{
    std::ifstream in(pathOf("feedback-product"), std::ios::binary);
    std::ostringstream content;
    if (in) content << in.rdbuf();
    const std::string product = trim(content.str());
    return product.empty() ? std::string("zarni") : product;
}

void Feedback::setAllowedByConfig(bool allowed) { allowedByConfig = allowed; }

bool Feedback::isAllowedByConfig() { return allowedByConfig; }

void Feedback::allowAsking() { undecidedCountsAsConsent = true; }

bool Feedback::mayReport()
{
    if (!allowedByConfig) return false;
    switch (state()) {
    case enabled:
        return true;
    case undecided:
        return undecidedCountsAsConsent;
    case disabled:
        break;
    }
    return false;
}
