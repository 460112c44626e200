#pragma once

#include <string>

// The two ways every run ends that the drivers and start-up call: both send the
// notice mail when one is due and then raise driver::SystemExit to main.

// Exit code 0.
[[noreturn]] void exitWithSuccess();
// Exit code 1; 0 with XML output on, where the status document tells the
// outcome.
[[noreturn]] void exitWithError();

// The notice mail to the options' notification address. Sent only once a run
// has reached a driver (allowNotificationMail): a version, help, status or stop
// answer changed nothing, and its "successfully updated" notice would be a false
// report. "A message was sent to" is logged only when the mail command took it.
void sendNotificationMail(bool success);
// Called by start-up just before the driver runs.
void allowNotificationMail();

// Whether the mail command may be given the address: not empty, not taken for an
// option (leading "-"), no blanks or control characters.
bool isUsableMailAddress(const std::string& address);

// With "--remove-everything" and "--interactive-uninstall": waits for the
// operator's Enter before the run ends.
void waitForEnterKey();
