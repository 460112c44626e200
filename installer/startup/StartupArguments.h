#pragma once

#include <string>
#include <vector>

// The program's command line as main received it, program path first. The
// start-up body keeps it before the options are first built; the options are
// parsed from it, the web UI's background launch and the self-upgrade restart
// rebuild command lines from it. Kept once, on the main thread, before any other
// thread starts; read without locking afterwards.
class StartupArguments {
public:
    // Copies the arguments, so the caller's vector need not outlive the call.
    static void keep(int argc, const char* const* argv);
    static void keep(const std::vector<std::string>& arguments);

    // The argument count, program path included; 0 before keep().
    static int count();
    static const std::vector<std::string>& list();

    // A fresh, null-terminated argument vector pointing into the kept texts, for
    // the C interfaces that take one (getopt_long may reorder its vector; it is the
    // caller's copy that gets reordered, never the kept command line). Valid until
    // the next keep().
    static std::vector<char*> makeArgv();
    // The same over any list of texts (a parser's private copy of a command line).
    static std::vector<char*> makeArgv(std::vector<std::string>& texts);

private:
    static std::vector<std::string>& storage();
};
