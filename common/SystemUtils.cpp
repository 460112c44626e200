#include "common/SystemUtils.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/NetworkInterfaces.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <boost/format.hpp>
#include <boost/thread/thread.hpp>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

namespace {

// Writes to a pipe whose reader is gone must fail with EPIPE, not kill the
// installer: SIGPIPE is held back for this thread while writing, and one that
// arrived meanwhile is taken off the pending set again.
bool writeWithoutSigpipe(std::FILE* stream, const std::string& data)
{
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigset_t pendingBefore;
    sigpending(&pendingBefore);
    const bool alreadyPending = sigismember(&pendingBefore, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);

    bool written = std::fwrite(data.data(), 1, data.size(), stream) == data.size();
    written = std::fflush(stream) == 0 && written;

    if (!alreadyPending) {
        const struct timespec noWait = {0, 0};
        while (sigtimedwait(&pipeSignal, nullptr, &noWait) == SIGPIPE) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return written;
}

}  // namespace

bool sendMail(const std::string& address, const std::string& subject, const std::string& body)
{
    const std::string command = "mail -s " + shellQuote(subject) + " " + shellQuote(address);
    std::FILE* pipe = ::popen(command.c_str(), "w");
    if (!pipe) {
        std::cerr << "Can't run mail command, mail not sent." << std::endl
                  << "Mail cmd failed: " << command << std::endl
                  << "The body of mail:" << std::endl
                  << body << std::endl;
        return false;
    }
    const bool written = writeWithoutSigpipe(pipe, body);
    const int status = ::pclose(pipe);
    const bool sent = written && status == 0;
    if (!sent) Log(1, true) << Messages::get("err_send_mail");
    return sent;
}

std::string getFqdn()
{
    char name[65] = {};
    if (::gethostname(name, sizeof name - 1) != 0) {
        const std::string reason = std::strerror(errno);
        Log(2, true) << boost::format("Unable to get hostname: %s") % reason;
        return std::string();
    }

    struct addrinfo hints;
    std::memset(&hints, 0, sizeof hints);
    hints.ai_flags = AI_CANONNAME;
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    struct addrinfo* found = nullptr;
    const int result = ::getaddrinfo(name, nullptr, &hints, &found);
    if (result != 0) {
        const std::string reason = ::gai_strerror(result);
        Log(2, true) << boost::format("Unable to resolve fqdn: %s") % reason;
        return std::string();
    }
    const std::unique_ptr<struct addrinfo, void (*)(struct addrinfo*)> release(found, ::freeaddrinfo);
    if (!found) {
        Log(2, true) << "Unable to resolve fqdn";
        return std::string();
    }
    const std::string canonical = found->ai_canonname ? found->ai_canonname : "";
    if (canonical.find('.') == std::string::npos) {
        Log(2, true) << "Canonname is not correct fqdn";
        return std::string();
    }
    return canonical;
}

std::string getHostName()
{
    const std::string fqdn = getFqdn();
    if (!fqdn.empty() && fqdn != "localhost" && fqdn != "localhost.localdomain") return fqdn;

    std::string address;
    try {
        address = firstInterfaceAddress();
    } catch (const error& failure) {
        // The name only serves display and mail: fall back rather than fail.
        const std::string text = failure.text();
        Log(2, true) << "Warning: " << text;
    }
    if (!address.empty()) return address;
    return fqdn.empty() ? std::string("localhost") : fqdn;
}

std::string sockaddrToString(const struct sockaddr* address)
{
    if (!address) throw error() << "Socket address is NULL";
    char text[47] = {};
    const void* raw;
    if (address->sa_family == AF_INET)
        raw = &reinterpret_cast<const struct sockaddr_in*>(address)->sin_addr;
    else if (address->sa_family == AF_INET6)
        raw = &reinterpret_cast<const struct sockaddr_in6*>(address)->sin6_addr;
    else
        throw error() << "Unexpected protocol family: " << static_cast<int>(address->sa_family);
    if (!::inet_ntop(address->sa_family, raw, text, sizeof text))
        throw error() << "inet_ntop failed: " << std::strerror(errno);
    return text;
}

std::string addrinfoToString(const struct addrinfo* entry)
{
    if (!entry || !entry->ai_addr) throw error() << "Socket address is NULL";
    if (entry->ai_family != AF_INET && entry->ai_family != AF_INET6)
        throw error() << "Unknown protocol family " << entry->ai_family;
    return sockaddrToString(entry->ai_addr);
}

std::string getEnv(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value ? value : std::string();
}

int setEnv(const std::string& name, const std::string& value) { return ::setenv(name.c_str(), value.c_str(), 1); }

int unsetEnv(const std::string& name) { return ::unsetenv(name.c_str()); }

Stopwatch::Stopwatch() : start_(std::time(nullptr)), end_(start_) {}

double Stopwatch::elapsed()
{
    end_ = std::time(nullptr);
    if (start_ == static_cast<std::time_t>(-1) || end_ == static_cast<std::time_t>(-1)) return -1;
    return static_cast<double>(end_ - start_);
}

void sleepMilliseconds(int milliseconds)
{
    boost::this_thread::interruption_point();
    if (milliseconds > 0) boost::this_thread::sleep(boost::posix_time::milliseconds(milliseconds));
}

void sleepSeconds(int seconds) { sleepMilliseconds(seconds * 1000); }

int getTerminalWidth()
{
    struct winsize size;
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

int getTerminalHeight()
{
    struct winsize size;
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_row : 0;
}

void putCharFlush(char c)
{
    std::putchar(static_cast<unsigned char>(c));
    std::fflush(stdout);
}
