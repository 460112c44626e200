#pragma once

#include <ostream>
#include <string>
#include <vector>

// Running external commands. Every command runs through "/bin/sh -c" without a
// time limit; see also SystemCmd (a stream to one command) and POpen (the pump
// behind executeCommand).

// Runs the command with an empty standard input and "LC_ALL", "LANG" and
// "LANGUAGE" set to "C"; copies its standard output and error into the given
// streams (a null stream: the text is dropped) and, with echo, into the log at
// level 0 as it comes. A termination request stops the command with SIGTERM and
// then raises Progress::Interrupted. Returns the exit code. Whatever check says,
// a command ended by a signal raises error (4,2,0,2) "err_exec_signal" and exit
// code 251 (the shell could not be executed) error (4,1,0,3) "err_exec_execfail".
// With check, 127 raises error (4,1,0,3) "err_exec_cmd_not_found" and any other
// non-zero code an error with unset codes, "err_exec_non_zero". Each text is
// followed by "err_exec_cmd" with the command.
int executeCommand(const std::string& command, bool echo, bool check, std::ostream* output = nullptr,
                   std::ostream* errorOutput = nullptr);

// executeCommand without check for a command that must never be cut short (the
// package manager changing the system): it leads a process group of its own, so
// a terminal's SIGINT does not reach it, and it is never sent a signal. A
// termination request while it runs is logged once as `waitingNote` and left
// pending: the caller acts on it after the command has ended.
int executeCommandToEnd(const std::string& command, bool echo, std::ostream* output, std::ostream* errorOutput,
                        const std::string& waitingNote);

// The output lines of command + " " + arguments (just command when arguments is
// empty), each trimmed of surrounding white space, an empty line giving an empty
// entry. The command runs with the installer's environment, standard input and
// standard error. The reading ends when the command has ended and its pipe holds
// nothing more at once, also when a process it left behind keeps the pipe open.
// A command that cannot be started or ends with anything but 0 raises error
// (4,2,2,2).
std::vector<std::string> getCommandOutput(const std::string& command, const std::string& arguments = std::string());

// The first line of getCommandOutput; no output raises error (0,0,0,0)
// "err_empty_output" naming the program.
std::string getCommandOutputLine(const std::string& command, const std::string& arguments = std::string());

// The first output line, trimmed, of the program run directly (execv, no shell)
// with the arguments, standard input on /dev/null and standard error inherited:
// for asking a file that may hold anything, so that neither its name nor a shell
// can turn the question into another command. A program still running after
// limitSeconds is killed. A program that cannot be started, is killed, ends with
// anything but 0 or prints no line raises error (4,2,2,2).
std::string getProgramOutputLine(const std::string& program, const std::vector<std::string>& arguments,
                                 int limitSeconds);

// Starts the command detached from the installer (double fork; standard output and
// error to /dev/null; out of the service manager's control group) with the
// installer's environment, feeds it input (when given) on its standard input
// followed by an end of file, and returns without waiting for it: a detached
// writer of its own feeds the input, however slowly the command reads it. A
// shell that cannot be executed is only logged. A command that carries a secret
// gives `shownCommand`, the form the log and the error texts name it by.
void executeInBackground(const std::string& command, const std::string* input = nullptr,
                         const std::string* shownCommand = nullptr);

// The program a command line runs, for error texts: the first blank-separated word
// that is not "env", not "sh" and holds no "="; the whole line when none does.
std::string programName(const std::string& command);

// Moves the calling process into the control group "system.slice", so that
// stopping the service that started the installer does not kill it. Only logs
// when that is impossible.
void detachFromCgroups();
