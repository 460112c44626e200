#pragma once

// The three drivers start-up hands a run to, after it took the installer lock.
// Each returns when its work is done; a failure leaves it as an `error`, which
// start-up prints as a status and turns into the exit code.

// Run mode 1: command-line queries and installations.
void runCommandLineWork();

namespace driver {

// Run mode 0: the text-mode wizard.
void work_interactive();
// Run mode 2: the web wizard's back end.
void web_ui();

}  // namespace driver
