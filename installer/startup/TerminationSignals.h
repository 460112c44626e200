#pragma once

// The handler of SIGINT, SIGHUP and SIGTERM: it only records the signal in the
// progress status, and the work acts on it at its termination checks.
void onTerminationSignal(int signalNumber);

// Installs onTerminationSignal for the three signals, with SA_RESTART: the
// command runners rely on interrupted system calls being restarted, and the
// prompts wake themselves to check for termination.
void installTerminationHandlers();
