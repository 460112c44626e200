#pragma once

#include <string>

// How answers and status are printed. The options set these, but they live outside
// the options record because the reporters and the drivers that read them must work
// even when building the record failed (the error is then printed in the form the
// command line asked for). Written on the main thread during start-up only.

// Answers and the status document are printed as XML.
extern bool xmlOutput;

// Put before the status word ("ok", "error", "busy") of the status document:
// "query_" for a status query, "install_" for an installation.
extern std::string statusPrefix;
