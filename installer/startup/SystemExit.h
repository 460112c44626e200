#pragma once

#include <ostream>

namespace driver {

// Ends a run: carries the process exit code to main, the only place that turns
// it into the process's end. Raised through raiseSystemExit, so that a web mode
// thread can capture it (boost::current_exception) and the main thread raise it
// again.
class SystemExit {
public:
    explicit SystemExit(int code) : code(code) {}
    int code;
};

[[noreturn]] void raiseSystemExit(int code);

}  // namespace driver

std::ostream& operator<<(std::ostream& out, const driver::SystemExit& exit);
