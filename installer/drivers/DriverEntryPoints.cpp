#include "installer/drivers/DriverEntryPoints.h"

#include "common/error.h"

namespace {

// Until a driver is built its run mode fails plainly, never as a success.
[[noreturn]] void notAvailable(const char* what)
{
    error failure(3, 1, 1, 3);
    failure << "The " << what << " is not available in this build of the installer.";
    failure.mark(error::markNoReport);
    throw failure;
}

}  // namespace

namespace driver {

void work_interactive() { notAvailable("text-mode wizard"); }

}  // namespace driver
