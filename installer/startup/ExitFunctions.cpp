#include "installer/startup/ExitFunctions.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/SystemUtils.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/startup/SystemExit.h"

#include <atomic>
#include <iostream>
#include <limits>

namespace {

std::atomic<bool> mailAllowed{false};

}  // namespace

void allowNotificationMail() { mailAllowed = true; }

bool isUsableMailAddress(const std::string& address)
{
    if (address.empty() || address[0] == '-') return false;
    for (const char c : address) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7f) return false;
    }
    return true;
}

void sendNotificationMail(bool success)
{
    if (!mailAllowed) return;
    const std::string address = Options::getInstance().notifyEmail;
    if (address.empty()) return;
    if (!isUsableMailAddress(address)) {
        Log(1, true) << "Warning: the notification address '" << address << "' is not usable; no mail was sent.";
        return;
    }
    const std::string subject =
        std::string(success ? "The Panel was successfully updated at " : "Failed to update the Panel at ") + getHostName();
    const std::string body = Log::errors.str() + "\n\n---\n" + Messages::get("Kitwright") + ".";
    if (sendMail(address, subject, body)) Log(1, true) << "A message was sent to " << address;
}

void waitForEnterKey()
{
    const Options& options = Options::getInstance();
    if (!options.removeEverything || !options.interactiveUninstall) return;
    std::cout << Messages::get("press_enter_to_exit") << std::endl;
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

void exitWithSuccess()
{
    sendNotificationMail(true);
    Log(3, true) << "Exit with success";
    waitForEnterKey();
    driver::raiseSystemExit(0);
}

void exitWithError()
{
    sendNotificationMail(false);
    if (xmlOutput) driver::raiseSystemExit(0);
    Log(3, true) << "Exit with error";
    waitForEnterKey();
    driver::raiseSystemExit(1);
}
