// Include pages against the test host: conditions with the host's
// functions, nested includes and their forms, commands, calls, text that
// only looks like a directive, and pages written through PUT.

#include "tests/common/CommandOutput.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/DigestCredentials.h"
#include "tests/webserver/TestHost.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace webserver_test;

namespace {

class Ssi : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.path() + "/root";
        page("cond.shtml",
             "<!--#if f yes -->A<!--#else -->B<!--#endif -->|<!--#if f no -->A<!--#else -->B<!--#endif -->|"
             "<!--#if nothing yes -->A<!--#else -->B<!--#endif -->|"
             "<!--#if f no -->A<!--#elif f yes -->C<!--#else -->B<!--#endif -->");
        for (int i = 0; i <= 6; ++i)
            page("n" + std::to_string(i) + ".shtml",
                 "L" + std::to_string(i) + "[<!--#include virtual=\"/n" + std::to_string(i + 1) + ".shtml\" -->]");
        page("plain.shtml", "<!-- plain -->a < b<!--#unknown x --><!--#endif");
        page("long.shtml", "<!--#" + std::string(600, 'x') + "-->end");
        page("exec.shtml", "before <!--#exec \"echo%20hi\" --> after<!--#exec \"echo hidden\" x --><!--#exec nope -->");
        page("call.shtml", "<!--#call hello world --><!--#call missing x -->.");
        page("sub/page.shtml", "<!--#include file=\"inc.html\" -->,<!--#include virtual=\"/inc.html\" -->,"
                               "<!--#include \"" + dir.path() + "/own.html\" -->,"
                               "<!--#include file=\"../../secret\" -->,<!--#include virtual=\"/locked/.htpasswd\" -->,"
                               "<!--#include virtual=\"/missing\" -->,<!--#include bad -->.");
        page("sub/inc.html", "sub-inc");
        page("inc.html", "root-inc");
        writeFileWithDirectories(dir.path() + "/own.html", "own");
        writeFileWithDirectories(dir.path() + "/secret", "SECRET");
        writeFileWithDirectories(dir.path() + "/put.pw", passwordsLine(DigestCredentials{}));
    }
    void page(const std::string& name, const std::string& text) { writeFileWithDirectories(root + "/" + name, text); }
    std::string get(TestHost& host, const std::string& uri, const std::string& method = "GET")
    {
        Client client(host.port());
        client.send(method + " " + uri + " HTTP/1.1\r\n\r\n");
        return client.readReply();
    }

    TempDir dir;
    std::string root;
};

} // namespace

TEST_F(Ssi, Conditions)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string reply = get(host, "/cond.shtml");
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    EXPECT_EQ("text/html", header(reply, "Content-Type"));
    EXPECT_EQ("close", header(reply, "Connection"));
    EXPECT_EQ("A|B|B|C", body(reply));
}

TEST_F(Ssi, NestedIncludesStopAtSixFiles)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    EXPECT_EQ("L0[L1[L2[L3[L4[L5[]]]]]]", body(get(host, "/n0.shtml")));
    EXPECT_NE(std::string::npos, host.errors().find("ssi: #include: maximum nested level reached")) << host.errors();
}

TEST_F(Ssi, IncludeForms)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    // Outside the root, the passwords file, a missing file and a bad form
    // give nothing in the page, and a warning each.
    EXPECT_EQ("sub-inc,root-inc,own,,,,.", body(get(host, "/sub/page.shtml")));
    const std::string errors = host.errors();
    EXPECT_EQ(std::string::npos, body(get(host, "/sub/page.shtml")).find("SECRET"));
    const std::vector<std::string> warnings = {
        "ssi: fopen(" + root + "/sub/../../secret)", "/locked/.htpasswd): Permission denied",
        "ssi: fopen(" + root + "//missing): No such file", "ssi: bad #include: [<!--#include bad --]"};
    for (const std::string& warning : warnings) {
        SCOPED_TRACE(warning);
        EXPECT_NE(std::string::npos, errors.find(warning)) << errors;
    }
}

TEST_F(Ssi, TextThatIsNoDirective)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    EXPECT_EQ("<!-- plain -->a < b<!--#unknown x --><!--#endif", body(get(host, "/plain.shtml")));
    // A tag that does not close within 511 characters is text.
    EXPECT_EQ("<!--#" + std::string(600, 'x') + "-->end", body(get(host, "/long.shtml")));
}

TEST_F(Ssi, CommandsAndCalls)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    EXPECT_EQ("before hi\n after", body(get(host, "/exec.shtml")));
    EXPECT_NE(std::string::npos, host.errors().find("ssi: bad exec(\"echo hidden\" x)")) << host.errors();
    EXPECT_NE(std::string::npos, host.errors().find("ssi: bad exec(nope)")) << host.errors();
    // "hello" needs two calls to finish; an unknown function writes nothing.
    EXPECT_EQ("[world].", body(get(host, "/call.shtml")));
}

TEST_F(Ssi, HeadGivesTheHeadOnly)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string reply = get(host, "/exec.shtml", "HEAD");
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    EXPECT_EQ("", body(reply));
}

TEST_F(Ssi, PageWrittenThroughPutRunsNoCommand)
{
    TestHost host({"-ports", "0", "-root", root, "-auth_realm", "R", "-auth_PUT", dir.path() + "/put.pw"});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string upload = dir.path() + "/up.shtml";
    writeFileWithDirectories(upload, "x<!--#exec \"echo ran\" -->y<!--#include virtual=\"/inc.html\" -->");
    EXPECT_EQ("201", commandOutput("curl -s -o /dev/null -w '%{http_code}' --digest -u u:p -T " + upload +
                                   " http://127.0.0.1:" + std::to_string(host.port()) + "/up.shtml"));
    EXPECT_EQ("xyroot-inc", body(get(host, "/up.shtml")));
    EXPECT_NE(std::string::npos, host.errors().find("ssi: exec(echo ran) refused: the page was written through PUT"))
        << host.errors();
    // An operator's page that includes the uploaded one runs none of its commands either.
    page("includes-upload.shtml", "<!--#include virtual=\"/up.shtml\" -->|<!--#exec \"echo own\" -->");
    EXPECT_EQ("xyroot-inc|own\n", body(get(host, "/includes-upload.shtml")));
}

TEST_F(Ssi, CommandThatWaitsHoldsNoOtherClient)
{
    const std::string go = dir.path() + "/go";
    page("wait.shtml", "<!--#exec \"while [ ! -f " + go + " ]; do sleep 0.05; done; echo late\" -->");
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    Client waiting(host.port());
    waiting.send("GET /wait.shtml HTTP/1.1\r\n\r\n");
    // The server answers another client while the command runs.
    EXPECT_EQ("A|B|B|C", body(get(host, "/cond.shtml")));
    writeFileWithDirectories(go, "");
    EXPECT_EQ("late\n", body(waiting.readReply()));
}
