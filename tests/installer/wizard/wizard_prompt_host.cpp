// One prompt of the text wizard run the way the program runs its pages: the
// start-up's termination handlers, the standard console, and the program's
// mapping of what ends the run to exit codes (runInstaller). The terminal
// tests start it in a pseudo terminal.
//
//   wizard_prompt_host LOCK_DIR KIND [--no-clear]
//
// KIND: "action" (the welcome page), "text" (a prompt), "enter" (a message),
// "password" (a password entry). A failure prints its text and ends with 1.

#include "installer/startup/Startup.h"
#include "installer/startup/SystemExit.h"
#include "installer/startup/TerminationSignals.h"
#include "installer/wizard/DlgHello.h"
#include "installer/wizard/DlgMessage.h"
#include "installer/wizard/DlgPrompt.h"
#include "installer/wizard/TextConsole.h"
#include "installer/wizard/TextDialog.h"
#include "installer/wizard/TextDlgMaker.h"

#include "common/Lock.h"
#include "common/error.h"

#include <iostream>
#include <string>

namespace {

class PasswordEntry : public TextDialog {
public:
    explicit PasswordEntry(TextConsole& console) : TextDialog(console) {}
    std::string ask() { return askPassword("Password", ""); }
};

int runPrompt(const std::string& kind)
{
    TextConsole& console = TextConsole::standard();
    TextDlgMaker dialogs(console);
    if (kind == "action") return dialogs.createHello()->run();
    if (kind == "text") return dialogs.createPrompt("Login", "admin")->run();
    if (kind == "enter") return dialogs.createMessage("Read this.")->run();
    if (kind == "password") {
        PasswordEntry entry(console);
        return entry.ask().empty() ? 0 : DLG_OK;
    }
    std::cerr << "unknown prompt kind " << kind << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: wizard_prompt_host LOCK_DIR KIND [--no-clear]\n";
        return 64;
    }
    Lock::setFilePath(std::string(argv[1]) + "/kvo-installer.lock");
    const std::string kind = argv[2];
    TextDialog::noClear = argc > 3 && std::string(argv[3]) == "--no-clear";
    const int code = runInstaller([&] {
        installTerminationHandlers();
        try {
            const int result = runPrompt(kind);
            std::cout << "result " << result << std::endl;
        } catch (const error& failure) {
            std::cout << failure.text() << std::flush;
            driver::raiseSystemExit(1);
        }
    });
    std::cout.flush();
    return code;
}
