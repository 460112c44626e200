#pragma once

#include "common/Opsys.h"

class Repository;
class Source;

// The process-wide reader of the installed packages (dpkg's database on Debian
// and Ubuntu, rpm's elsewhere): the driver that creates a repository gives it
// its reader through here. The reader registers with the repository; the
// process keeps it (none at start) until the next call replaces it.
//
// With `warnIfExists` and a reader already made for the same repository, that
// one is kept and "Warning: system reader Source is already allocated" is
// logged at level 0. A reader left from another repository (or one that is
// gone) is replaced after the same warning: it would read nothing into this one.
// On "Apple" no reader is made and the pointer becomes none. `system` is the
// running one unless a test names another.
void createSystemReaderSource(Repository& repository, bool warnIfExists, const Opsys& system = Opsys());

// The current process-wide reader, or null.
Source* getSystemReaderSource();
