#include "installer/startup/InstallerLock.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "installer/options/Options.h"
#include "installer/reporters/Reporter.h"
#include "installer/startup/RunModes.h"
#include "installer/startup/SystemExit.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

// What the detached process tells the foreground.
constexpr char lockHeld = 'h';
constexpr char lockBusy = 'b';

// How long the foreground waits for the answer; the detached process only has to
// start and ask for the lock without waiting.
constexpr int answerTimeoutMilliseconds = 60 * 1000;

error systemFailure(const char* what)
{
    const std::string reason = std::strerror(errno);
    error failure(4, 1, 1, 2);
    failure << what << ": " << reason;
    return failure;
}

// The detached process as daemon(0, 0) makes it: a session of its own, the root
// directory, the standard streams on /dev/null.
void becomeDaemon()
{
    ::setsid();
    if (::chdir("/") != 0) Log(2, true) << "Warning: cannot change to the root directory: " << std::strerror(errno);
    const int null = ::open("/dev/null", O_RDWR);
    if (null < 0) throw systemFailure("Unable to open /dev/null");
    for (int stream = 0; stream <= 2; ++stream) ::dup2(null, stream);
    if (null > 2) ::close(null);
}

// The answer of the detached process, or 0 when it ended or fell silent first.
char readAnswer(int fd)
{
    struct pollfd wait = {fd, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&wait, 1, answerTimeoutMilliseconds);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return 0;
        char answer = 0;
        const ssize_t count = ::read(fd, &answer, 1);
        if (count < 0 && errno == EINTR) continue;
        return count == 1 ? answer : 0;
    }
}

std::unique_ptr<Lock> detachHoldingLock(const Options& options)
{
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0) throw systemFailure("Unable to create a pipe");
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        const error failure = systemFailure("Unable to start the background installation");
        ::close(channel[0]);
        ::close(channel[1]);
        throw failure;
    }
    if (pid == 0) {
        ::close(channel[0]);
        becomeDaemon();
        std::unique_ptr<Lock> lock = Lock::tryTake(0);
        const char answer = lock ? lockHeld : lockBusy;
        (void)!::write(channel[1], &answer, 1);
        ::close(channel[1]);
        if (!lock) {
            Log(1, true) << Messages::get("status_locked_by_another");
            driver::raiseSystemExit(1);
        }
        return lock;
    }

    ::close(channel[1]);
    const char answer = readAnswer(channel[0]);
    ::close(channel[0]);
    if (answer == lockBusy) answerBusy(options);
    if (answer != lockHeld) {
        error failure(4, 1, 1, 2);
        failure << "The background installation ended before it could take the installer lock.";
        throw failure;
    }
    Reporter(Reporter::statusOk, "Installation started").put(std::cout);
    std::cout.flush();
    Log(2, true) << "Installer was successfully started. The packages are being installed in the background mode.";
    driver::raiseSystemExit(0);
}

}  // namespace

std::unique_ptr<Lock> takeInstallerLock(const Options& options)
{
    if (options.isBackgroundMode()) return detachHoldingLock(options);
    std::unique_ptr<Lock> lock = Lock::tryTake(0);
    if (!lock) answerBusy(options);
    return lock;
}
