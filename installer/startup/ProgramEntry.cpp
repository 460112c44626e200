#include "installer/startup/Startup.h"

#include "common/FilesRemovedAtExit.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "installer/reporters/Reporter.h"
#include "installer/startup/SystemExit.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

int runInstaller(const std::function<void()>& body)
{
    // Files holding the operator's secrets go on every way out, also when the
    // run never unwound to their writer.
    struct RemoveRegisteredFiles {
        ~RemoveRegisteredFiles() { FilesRemovedAtExit::removeAll(); }
    } removeRegisteredFiles;
    try {
        body();
        return 0;
    } catch (const driver::SystemExit& exit) {
        return exit.code;
    } catch (const Progress::Interrupted&) {
        const std::string text = Messages::get("user_canceled");
        Log(1, true) << "Error: " << text;
        Reporter(Reporter::statusError, text, "user").put(std::cout);
        return 2;
    } catch (const std::exception& failure) {
        const int number = errno;
        std::string text = "Internal error: unexpected exception caught. Description: \"" + std::string(failure.what()) + "\"";
        if (number != 0) text += ", errno=" + std::to_string(number) + ": " + std::strerror(number);
        Log(1, true) << text;
        Reporter(Reporter::statusError, text, "").put(std::cout);
        return 1;
    } catch (...) {
        // Whatever else escaped: the run still ends with a failure the operator sees.
        const std::string text = "Internal error: unexpected exception caught";
        Log(1, true) << text;
        Reporter(Reporter::statusError, text, "").put(std::cout);
        return 1;
    }
}
