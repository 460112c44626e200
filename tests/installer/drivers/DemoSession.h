#pragma once

#include "common/Messages.h"
#include "tests/common/CommandOutput.h"
#include "tests/common/XmlLint.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// The program end to end with the real package tools: scripts/demo.sh runs the
// built program on the demo catalogue, whose signed repositories it serves on
// 127.0.0.1, inside a throw-away overlay of a cached root (private mount, PID
// and IPC namespaces), so nothing of this machine's package configuration is
// touched.

namespace demo {

// What one step of a session printed and how it ended.
struct Step {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A session: shell steps run one after the other in one throw-away root, each
// a command line with kitwright on PATH, $SOURCE the demo source and
// $CATALOGUE the served catalogue. The steps' answers, by name; "skip" holds
// why the session could not run. `demoOptions` go to scripts/demo.sh first
// ("--el9", "--extra DIR").
class Session {
public:
    explicit Session(std::string demoOptions = std::string()) : demoOptions_(std::move(demoOptions)) {}

    void add(const std::string& name, const std::string& commandLine) { steps_.emplace_back(name, commandLine); }

    std::map<std::string, Step> run(std::string* skip) const
    {
        std::string script = "step() { name=$1; shift; sh -c \"$1\" >/tmp/kw-out 2>/tmp/kw-err; code=$?; "
                             "printf '\\n@@@ %s out %s\\n' \"$name\" \"$code\"; cat /tmp/kw-out; "
                             "printf '\\n@@@ %s err\\n' \"$name\"; cat /tmp/kw-err; }\n";
        for (const auto& step : steps_) script += "step " + quoted(step.first) + " " + quoted(step.second) + "\n";
        int status = 0;
        const std::string output = commandOutput("KITWRIGHT=" + quoted(KW_PROGRAM) + " " + KW_SOURCE_DIR +
                                                     "/scripts/demo.sh " + demoOptions_ + " --shell " + quoted(script) + " 2>&1",
                                                 &status);
        std::map<std::string, Step> steps;
        const std::string::size_type first = output.find("\n@@@ ");
        if (status != 0 || first == std::string::npos) {
            *skip = "scripts/demo.sh failed (" + std::to_string(status) + "): " + output;
            return steps;
        }
        // Sections "\n@@@ NAME out CODE\n" and "\n@@@ NAME err\n", each followed by its text.
        std::string::size_type at = first;
        while (at != std::string::npos) {
            const std::string::size_type lineEnd = output.find('\n', at + 1);
            std::istringstream header(output.substr(at + 5, lineEnd - at - 5));
            std::string name, kind;
            int code = -1;
            header >> name >> kind >> code;
            const std::string::size_type next = output.find("\n@@@ ", lineEnd);
            const std::string text = output.substr(lineEnd + 1, next == std::string::npos ? std::string::npos : next - lineEnd - 1);
            if (kind == "out") {
                steps[name].exitCode = code;
                steps[name].out = text;
            } else {
                steps[name].err = text;
            }
            at = next;
        }
        return steps;
    }

private:
    static std::string quoted(const std::string& text)
    {
        std::string result = "'";
        for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return result + "'";
    }

    std::string demoOptions_;
    std::vector<std::pair<std::string, std::string>> steps_;
};

inline std::string message(const char* key, const std::vector<std::string>& arguments = {})
{
    boost::format text = Messages::format(key);
    for (const std::string& argument : arguments) text % argument;
    return text.str();
}

// Checks an XML answer with xmllint: well-formed, with the status it should have.
inline void expectDocument(const Step& step, const std::string& status)
{
    const XmlLint document(step.out);
    EXPECT_EQ(document.complaints(), "") << step.out;
    EXPECT_EQ(document.attribute("/kitwright", "status"), status) << step.out;
}

}  // namespace demo
