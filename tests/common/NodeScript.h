#pragma once

#include "tests/common/CommandOutput.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"

#include <string>

// Runs a script with node and returns what it wrote to standard output;
// `status` gets node's exit code. Page code that writes script text (object
// literals, string literals) is checked by letting a real script engine read
// it back.
inline std::string runNodeScript(const std::string& script, int* status = nullptr)
{
    TempDir dir;
    const std::string path = dir.path() + "/script.js";
    writeFileWithDirectories(path, script);
    return commandOutput("node '" + path + "' 2>&1", status);
}

// The JSON form of a script expression, as node evaluates it.
inline std::string scriptValueAsJson(const std::string& expression, int* status = nullptr)
{
    return runNodeScript("process.stdout.write(JSON.stringify(" + expression + "\n));\n", status);
}
