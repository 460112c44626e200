#pragma once

#include <ctime>
#include <string>

struct sockaddr;
struct addrinfo;

// Thin helpers over operating-system services, used in one fixed way each.

// Sends `body` with the system's "mail" command. Subject and address are quoted
// for the shell. Never raises: a command that cannot be started is reported on
// standard error with the body, a failing one in the log (level 1). Returns
// whether the command took the whole body and exited with 0.
bool sendMail(const std::string& address, const std::string& subject, const std::string& body);

// The host's fully qualified name from the resolver's canonical name; empty (and
// a level-2 log line) when there is none with a dot in it.
std::string getFqdn();
// getFqdn, or, when that is empty, "localhost" or "localhost.localdomain", the
// address of the first network interface; "localhost" when there is neither.
std::string getHostName();

// Numeric IPv4 or IPv6 text; other families and null raise `error` (codes unset).
std::string sockaddrToString(const struct sockaddr* address);
std::string addrinfoToString(const struct addrinfo* entry);

// The value, or the empty string when the variable is unset.
std::string getEnv(const std::string& name);
// The system call's result; an existing value is overwritten.
int setEnv(const std::string& name, const std::string& value);
int unsetEnv(const std::string& name);

// Wall-clock time in whole seconds since construction.
class Stopwatch {
public:
    Stopwatch();
    // Seconds since construction; -1 when the clock could not be read.
    double elapsed();

private:
    std::time_t start_;
    std::time_t end_;
};

// Interruption points of the thread library: a thread whose interruption was
// requested leaves with boost::thread_interrupted instead of (or while) sleeping.
void sleepMilliseconds(int milliseconds);
void sleepSeconds(int seconds);

// Size of the terminal on standard output; 0 when it is not a terminal.
int getTerminalWidth();
int getTerminalHeight();

void putCharFlush(char c);
