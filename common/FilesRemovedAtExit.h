#pragma once

#include <string>
#include <vector>

// Files that must not outlive the run, such as the parameters files that hold
// the operator's passwords while packages are installed. Their writer registers
// each one and removes it itself on the ordinary ways out; the start-up's exit
// path calls removeAll, so that a run that ends without unwinding to the writer
// (a termination signal, an exit from deep inside) leaves none behind either.
//
// Process-wide and guarded by a mutex: the web back end writes them on its
// installation thread. Never called from a signal handler.
class FilesRemovedAtExit {
public:
    static void add(const std::string& path);
    // The writer removed the file itself.
    static void forget(const std::string& path);
    // Removes every registered file that is still there, logging what cannot be
    // removed, and empties the registry.
    static void removeAll();
    static std::vector<std::string> paths();
};
