#include "installer/engine/Examination.h"

#include "common/POpen.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

Examination makeExamination(const std::string& options)
{
    ExamineStep step;
    step.scope = "pre_any";
    step.name = "check";
    step.script = "checks/a.sh";
    step.options = options;
    step.directory = "dist/";
    Examination examination{ExamineScript(step)};
    examination.owner = "base";
    examination.fromVersion = "1.0";
    examination.toVersion = "2.0";
    examination.osName = "Linux";
    examination.osVersion = "12";
    examination.osArch = "x86_64";
    return examination;
}

Examination::RunValues runValues(int returnCode = 0)
{
    Examination::RunValues values;
    values.returnCode = returnCode;
    values.home = "/root";
    values.preset = "zarni:Typical";
    values.workMode = "NON_INTERACTIVE";
    values.arguments = "'kitwright' '--install-component' 'web'";
    return values;
}

// The words "/bin/sh -c" makes of the expanded options, one per line.
std::vector<std::string> shellWords(const std::string& options)
{
    std::istringstream none;
    std::ostringstream out, err;
    std::unique_ptr<POpen> process = startProcess("for word in " + options + "; do printf '%s\\n' \"$word\"; done",
                                                  &none, &out, &err);
    EXPECT_EQ(process->wait(false), 0) << err.str();
    std::vector<std::string> words;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) words.push_back(line);
    return words;
}

TEST(Examination, EveryPlaceholderBecomesOneWord)
{
    const Examination examination = makeExamination(
        "{RC} {RC} {PRESET} {WORK_MODE} {FROM_RELEASE_VERSION} {TO_RELEASE_VERSION} {KW_HOME} {OS_NAME} "
        "{OS_VERSION} {OS_ARCH} {ARGUMENTS}");
    EXPECT_EQ(shellWords(examination.expandOptions(runValues())),
              (std::vector<std::string>{"0", "0", "zarni:Typical", "NON_INTERACTIVE", "1.0", "2.0", "/root", "Linux",
                                        "12", "x86_64", "'kitwright' '--install-component' 'web'"}));
    EXPECT_EQ(shellWords(examination.expandOptions(runValues(1))).front(), "1");
}

// Values that hold shell syntax stay text wherever the placeholder stands; the
// catalogue's own words around them keep their meaning.
TEST(Examination, ValuesNeverRunAnything)
{
    TempDir dir;
    const std::string planted = dir.path() + "/x";
    const std::string hostile = "1.0 $(touch " + planted + ") `touch " + planted + "` ' \" \\ ; touch " + planted +
                                " {RC}";
    struct Case {
        const char* name;
        const char* options;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"bare", "{FROM_RELEASE_VERSION}", {hostile}},
        {"in double quotes", "\"from {FROM_RELEASE_VERSION} on\"", {"from " + hostile + " on"}},
        {"in single quotes", "'from {FROM_RELEASE_VERSION} on'", {"from " + hostile + " on"}},
        {"glued to an option", "--from={FROM_RELEASE_VERSION} {RC}", {"--from=" + hostile, "0"}},
        {"empty value is an empty word", "a {OS_NAME} b", {"a", "", "b"}},
        {"escaped brace stays text", "\\{RC} {RC}", {"{RC}", "0"}},
        {"quotes of the catalogue", "'it''s' \"a b\" \\\"", {"its", "a b", "\""}},
        {"no options", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Examination examination = makeExamination(c.options);
        examination.fromVersion = hostile;
        examination.osName = "";
        EXPECT_EQ(shellWords(examination.expandOptions(runValues())), c.words);
    }
    struct stat info;
    EXPECT_NE(::stat(planted.c_str(), &info), 0) << "a value ran a command";
}

TEST(Examination, OptionsEndingInsideQuotesAreRefused)
{
    for (const char* options : {"'{RC}", "\"{RC}", "a \\\"b\" {RC}"}) {
        SCOPED_TRACE(options);
        expectError([&] { makeExamination(options).expandOptions(runValues()); }, {1, 1, 1, 3},
                    ::testing::StartsWith("Failed to launch the checking script 'check'. Its options end inside a "
                                          "quoted text: \""));
    }
}

// Inside "$(...)" or backquotes the shell parses a value again: a value such as
// "a; touch x" would run there, whatever quoting it was given.
TEST(Examination, CommandSubstitutionsBesidePlaceholdersAreRefused)
{
    for (const char* options : {"\"$(echo {PRESET})\"", "`echo {RC}`", "{RC} $(date)"}) {
        SCOPED_TRACE(options);
        expectError([&] { makeExamination(options).expandOptions(runValues()); }, {1, 1, 1, 3},
                    ::testing::StartsWith("Failed to launch the checking script 'check'. Its options run a command "
                                          "substitution beside placeholders: \""));
    }
    // Without placeholders, or quoted, they are the catalogue's own words.
    EXPECT_EQ(shellWords(makeExamination("$(echo a) '$(x)' \\`").expandOptions(runValues())),
              (std::vector<std::string>{"a", "$(x)", "`"}));
    EXPECT_EQ(shellWords(makeExamination("'$(x)' {RC}").expandOptions(runValues())),
              (std::vector<std::string>{"$(x)", "0"}));
}

TEST(Examination, PrintsItsScriptAndOwner)
{
    std::ostringstream text;
    text << makeExamination("");
    EXPECT_EQ(text.str(), "examination check (dist/checks/a.sh) of base");
}

}  // namespace
