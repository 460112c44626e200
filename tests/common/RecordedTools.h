#pragma once

#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

// A PATH of nothing but stand-ins for outside tools: each name given is a link
// to tests/bin/recording-tool, which records every call as one line
// "<name> <arguments>" and answers with canned output and exit codes, the same
// for every call or one per call (see the script). passThrough adds a real tool
// the commands under test also run (env, cat). The previous PATH and the
// script's variables come back when the object ends.
class RecordedTools {
public:
    explicit RecordedTools(std::initializer_list<const char*> names)
        : path_("PATH", dir_.path()),
          log_("KW_TEST_TOOL_LOG", dir_.path() + "/calls"),
          answers_("KW_TEST_TOOL_ANSWERS", dir_.path() + "/answers"),
          output_("KW_TEST_TOOL_OUTPUT"),
          fail_("KW_TEST_TOOL_FAIL"),
          record_("KW_TEST_TOOL_RECORD"),
          recordedEnvironment_("KW_TEST_TOOL_ENV"),
          variable_("KW_TEST_TOOL_VARIABLE"),
          exit_("KW_TEST_TOOL_EXIT")
    {
        ::mkdir((dir_.path() + "/answers").c_str(), 0700);
        for (const char* name : names) add(name);
    }

    // The path of the stand-in for `name` (made when missing).
    std::string add(const std::string& name)
    {
        const std::string link = dir_.path() + "/" + name;
        if (::access(link.c_str(), F_OK) != 0)
            (void)!::symlink((std::string(KW_SOURCE_DIR) + "/tests/bin/recording-tool").c_str(), link.c_str());
        return link;
    }
    // The real program of that name (found on the PATH before this one) under
    // the stand-ins' PATH.
    void passThrough(const std::string& name, const std::string& program)
    {
        const std::string link = dir_.path() + "/" + name;
        (void)!::symlink(program.c_str(), link.c_str());
    }
    // The tool prints `text` on every call (call 0), or on that call only (the
    // first is 1), and exits with `exitCode`.
    void answer(const std::string& name, const std::string& text, int call = 0, int exitCode = 0)
    {
        const std::string file = answerFile(name, call);
        std::ofstream(file) << text;
        std::ofstream(file + ".rc") << exitCode << "\n";
    }
    // The tool runs `script` (sh, sourced with the call's arguments as "$@")
    // after its answer on every call; a status other than 0 is the tool's.
    void behave(const std::string& name, const std::string& script)
    {
        std::ofstream(dir_.path() + "/answers/" + name + ".sh") << script;
    }
    // The tool exits with 1 on every call.
    void fail(const std::string& name) { std::ofstream(answerFile(name, 0) + ".rc") << "1\n"; }
    // The calls of these tools (blank-separated) are followed by their standard
    // input and the values of these environment variables (blank-separated).
    void recordInputAndEnvironment(const std::string& names, const std::string& variables)
    {
        ::setenv("KW_TEST_TOOL_RECORD", names.c_str(), 1);
        ::setenv("KW_TEST_TOOL_ENV", variables.c_str(), 1);
    }
    // The tool writes `text` on standard error and exits with `code`.
    void exitWith(const std::string& name, int code, const std::string& text)
    {
        ::setenv("KW_TEST_TOOL_EXIT", (name + ":" + std::to_string(code) + ":" + text).c_str(), 1);
    }
    // Every call line ends with " [<variable>=<value>]" ("unset" when it is not set).
    void recordVariable(const std::string& variable) { ::setenv("KW_TEST_TOOL_VARIABLE", variable.c_str(), 1); }

    // Every call so far, in order; the tool's own directory shows as "TOOLS".
    std::vector<std::string> calls() const
    {
        std::ifstream in(dir_.path() + "/calls");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            for (std::string::size_type at; (at = line.find(dir_.path())) != std::string::npos;)
                line.replace(at, dir_.path().size(), "TOOLS");
            lines.push_back(line);
        }
        return lines;
    }
    // The calls of one tool, in order.
    std::vector<std::string> callsOf(const std::string& name) const
    {
        std::vector<std::string> lines;
        for (const std::string& line : calls())
            if (line.compare(0, name.size() + 1, name + " ") == 0) lines.push_back(line);
        return lines;
    }
    const std::string& directory() const { return dir_.path(); }

private:
    std::string answerFile(const std::string& name, int call) const
    {
        return dir_.path() + "/answers/" + name + (call > 0 ? "." + std::to_string(call) : std::string());
    }

    TempDir dir_;
    ScopedEnvironment path_;
    ScopedEnvironment log_;
    ScopedEnvironment answers_;
    ScopedEnvironment output_;
    ScopedEnvironment fail_;
    ScopedEnvironment record_;
    ScopedEnvironment recordedEnvironment_;
    ScopedEnvironment variable_;
    ScopedEnvironment exit_;
};
