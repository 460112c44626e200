#include "installer/engine/ExamineScript.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

ExamineStep makeStep(const std::string& directory, const std::string& script, const std::string& launcher = "")
{
    ExamineStep step;
    step.scope = "pre_any";
    step.name = "check";
    step.script = script;
    step.launcher = launcher;
    step.options = "{RC}";
    step.directory = directory;
    return step;
}

TEST(ExamineScript, PathsAreResolvedAgainstTheSourceRoot)
{
    struct Case {
        const char* name;
        const char* directory;
        const char* path;
        const char* resolved;
    };
    const Case cases[] = {
        {"below the file's directory", "dist/", "checks/a.sh", "dist/checks/a.sh"},
        {"leading slash: from the source root", "dist/", "/checks/a.sh", "checks/a.sh"},
        {"several leading slashes", "dist/", "///checks/a.sh", "checks/a.sh"},
        {"file at the top of the catalogue", "/", "a.sh", "a.sh"},
        {"no launcher", "dist/", "", ""},
        {"nothing but slashes", "dist/", "//", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExamineScript::resolve(c.directory, c.path), c.resolved);
        const ExamineScript script(makeStep(c.directory, "s.sh", c.path));
        EXPECT_EQ(script.launcherPath(), c.resolved);
    }
    const ExamineScript script(makeStep("dist/", "checks/a.sh", "run/with.sh"));
    EXPECT_EQ(script.scriptPath(), "dist/checks/a.sh");
    EXPECT_EQ(script.launcherPath(), "dist/run/with.sh");
    std::ostringstream text;
    text << script;
    EXPECT_EQ(text.str(), "examination check (dist/checks/a.sh)");
}

TEST(ExamineScript, TheSameExaminationIsKnownByItsResolvedPaths)
{
    const ExamineScript first(makeStep("dist/", "checks/a.sh"));
    // Named from another file, the same script from the root.
    EXPECT_TRUE(first == ExamineScript(makeStep("other/", "/dist/checks/a.sh")));

    struct Case {
        const char* name;
        void (*change)(ExamineStep&);
    };
    const Case differences[] = {
        {"scope", [](ExamineStep& s) { s.scope = "pre_install"; }},
        {"name", [](ExamineStep& s) { s.name = "other"; }},
        {"script", [](ExamineStep& s) { s.script = "checks/b.sh"; }},
        {"launcher", [](ExamineStep& s) { s.launcher = "run.sh"; }},
        {"options", [](ExamineStep& s) { s.options = "{RC} {RC}"; }},
        {"always", [](ExamineStep& s) { s.always = true; }},
        {"directory", [](ExamineStep& s) { s.directory = "other/"; }},
    };
    for (const Case& c : differences) {
        SCOPED_TRACE(c.name);
        ExamineStep step = makeStep("dist/", "checks/a.sh");
        c.change(step);
        EXPECT_TRUE(first != ExamineScript(step));
    }
}

}  // namespace
