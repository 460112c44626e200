#pragma once

#include "installer/options/Options.h"
#include "installer/startup/StartupArguments.h"
#include "tests/common/TempDir.h"

// The process-wide options of a test program: built once, from a bare command
// line and a private home, whichever test asks first (the downloader reads its
// retry count from them, the changeset its strictness).
inline Options& processOptions()
{
    static TempDir home;
    Options::homeOverride = home.path();
    StartupArguments::keep({"kitwright"});
    return Options::getInstance();
}
