// The file step: files below "root" with ranges, validators and MIME types,
// the directory step, the listing and the confinement of paths.

#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/webserver/TestHost.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

using namespace webserver_test;

namespace {

const char kSecret[] = "TOPSECRET-not-to-be-served";

void writeSized(const std::string& path, std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>('A' + i % 23);
    std::ofstream(path, std::ios::binary) << data;
}

// A root beside a file named "secret" that must never be served.
class StaticFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.path() + "/root";
        mkdir(root.c_str(), 0755);
        std::ofstream(dir.path() + "/secret") << kSecret;
        writeSized(root + "/file1000", 1000);
        for (const char* name : {"a.TAR.GZ", "x.unknown", "gz", "page.html"}) std::ofstream(root + "/" + name) << name;
        mkdir((root + "/dir").c_str(), 0755);
        mkdir((root + "/idx").c_str(), 0755);
        std::ofstream(root + "/idx/index.html") << "<p>index</p>";
        mkdir((root + "/list").c_str(), 0755);
        mkdir((root + "/list/sub").c_str(), 0755);
        writeSized(root + "/list/small", 1023);
        writeSized(root + "/list/k2", 1024);
        writeSized(root + "/list/big", 1572864);
        std::ofstream(root + "/list/<b>x") << "x";
        // A passwords file protects its directory: it lies in one no test requests.
        mkdir((root + "/locked").c_str(), 0755);
        std::ofstream(root + "/locked/.htpasswd") << "user:realm:hash";
        symlink("../secret", (root + "/link").c_str());
        symlink("locked/.htpasswd", (root + "/pw").c_str());
        mkfifo((root + "/fifo").c_str(), 0644);
    }

    std::string request(TestHost& host, const std::string& text, std::size_t piece = 0)
    {
        Client client(host.port());
        client.send(text, piece);
        return client.readReply();
    }
    std::string get(TestHost& host, const std::string& uri, const std::string& headers = "")
    {
        return request(host, "GET " + uri + " HTTP/1.1\r\nConnection: close\r\n" + headers + "\r\n");
    }

    TempDir dir;
    std::string root;
};

} // namespace

TEST_F(StaticFiles, ByteRanges)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string data = readFile(root + "/file1000");
    const struct {
        const char* range;
        const char* status;
        const char* content_range;
        std::string body;
    } cases[] = {
        {"", "HTTP/1.1 200 OK", "", data},
        {"bytes=100-199", "HTTP/1.1 206 Partial Content", "bytes 100-199/1000", data.substr(100, 100)},
        {"bytes=900-", "HTTP/1.1 206 Partial Content", "bytes 900-999/1000", data.substr(900)},
        {"bytes=-100", "HTTP/1.1 206 Partial Content", "bytes 900-999/1000", data.substr(900)},
        {"bytes=990-2000", "HTTP/1.1 206 Partial Content", "bytes 990-999/1000", data.substr(990)},
        {"bytes=900-100", "HTTP/1.1 416 Range Not Satisfiable", "bytes */1000", "Error: 416\r\n"},
        {"bytes=5000-", "HTTP/1.1 416 Range Not Satisfiable", "bytes */1000", "Error: 416\r\n"},
        {"bytes=0-1,5-6", "HTTP/1.1 200 OK", "", data},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.range);
        const std::string reply = get(host, "/file1000", *c.range ? std::string("Range: ") + c.range + "\r\n" : "");
        EXPECT_EQ(c.status, statusLine(reply));
        EXPECT_EQ(c.content_range, header(reply, "Content-Range"));
        EXPECT_EQ(std::to_string(c.body.size()), header(reply, "Content-Length"));
        EXPECT_TRUE(body(reply) == c.body) << body(reply).substr(0, 40);
    }
}

TEST_F(StaticFiles, ValidatorsAndNotModified)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    struct stat st {};
    ASSERT_EQ(0, stat((root + "/file1000").c_str(), &st));
    char etag[64];
    std::snprintf(etag, sizeof etag, "\"%lx.%lx\"", static_cast<unsigned long>(st.st_mtime),
                  static_cast<unsigned long>(st.st_size));
    const std::string reply = get(host, "/file1000");
    EXPECT_EQ(etag, header(reply, "Etag"));
    EXPECT_EQ("bytes", header(reply, "Accept-Ranges"));
    EXPECT_EQ("text/plain", header(reply, "Content-Type"));
    const std::string modified = header(reply, "Last-Modified");
    std::tm utc{};
    gmtime_r(&st.st_mtime, &utc);
    char expected[64];
    std::strftime(expected, sizeof expected, "%a, %d %b %Y %H:%M:%S GMT", &utc);
    EXPECT_EQ(expected, modified);

    // 304 carries no body, so the kept-alive connection serves the next
    // request as it is.
    Client client(host.port());
    client.send("GET /file1000 HTTP/1.1\r\nIf-Modified-Since: " + modified + "\r\n\r\n"
                "GET /page.html HTTP/1.1\r\nConnection: close\r\n\r\n");
    // Without a length the client reads both replies to the end.
    const std::string both = client.readReply();
    EXPECT_EQ("HTTP/1.1 304 Not Modified", statusLine(both));
    EXPECT_EQ(etag, header(both, "Etag"));
    EXPECT_EQ("", header(both, "Content-Length"));
    const std::string next = both.substr(both.find("\r\n\r\n") + 4);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(next));
    EXPECT_EQ("page.html", body(next));

    std::time_t earlier = st.st_mtime - 1;
    gmtime_r(&earlier, &utc);
    std::strftime(expected, sizeof expected, "%a, %d %b %Y %H:%M:%S GMT", &utc);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(get(host, "/file1000", std::string("If-Modified-Since: ") + expected + "\r\n")));
}

TEST_F(StaticFiles, HeadIsGetWithoutTheBody)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    // A kept-alive HEAD reply is followed directly by the next reply.
    Client client(host.port());
    client.send("HEAD /file1000 HTTP/1.1\r\n\r\nGET /file1000 HTTP/1.1\r\nConnection: close\r\n\r\n");
    std::string both;
    while (true) {
        const std::string more = client.readReply();
        if (more.empty()) break;
        both += more;
    }
    const std::size_t second = both.find("HTTP/1.1 200", 1);
    ASSERT_NE(std::string::npos, second) << both;
    const std::string head_reply = both.substr(0, second);
    const std::string get_reply = both.substr(second);
    const std::regex date("Date: [^\r]*\r\n");
    // The GET asked for the end of the connection, and its reply says so.
    const std::string get_head = get_reply.substr(0, get_reply.find("\r\n\r\n") + 4);
    EXPECT_EQ("close", header(get_reply, "Connection"));
    EXPECT_EQ("", header(head_reply, "Connection"));
    EXPECT_EQ(std::regex_replace(std::regex_replace(get_head, date, ""), std::regex("Connection: close\r\n"), ""),
              std::regex_replace(head_reply, date, ""));
    EXPECT_EQ(1000u, body(get_reply).size());
}

TEST_F(StaticFiles, MimeTypes)
{
    const struct {
        const char* uri;
        const char* mime_types;
        const char* type;
    } cases[] = {
        {"/a.TAR.GZ", "", "application/x-tar-gz"},
        {"/x.unknown", "", "text/plain"},
        {"/gz", "", "text/plain"},
        {"/page.html", "", "text/html"},
        {"/x.unknown", "unknown=application/x-test,html=text/x-own", "application/x-test"},
        {"/page.html", "unknown=application/x-test,html=text/x-own", "text/x-own"},
        {"/idx/", "", "text/html"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.uri) + " " + c.mime_types);
        std::vector<std::string> args{"-ports", "0", "-root", root};
        if (*c.mime_types) args.insert(args.end(), {"-mime_types", c.mime_types});
        TestHost host(args);
        ASSERT_GT(host.port(), 0) << host.errors();
        const std::string reply = get(host, c.uri);
        EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
        EXPECT_EQ(c.type, header(reply, "Content-Type"));
    }
}

TEST_F(StaticFiles, DirectoryStep)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string moved = get(host, "/dir");
    EXPECT_EQ("HTTP/1.1 301 Moved Permanently", statusLine(moved));
    EXPECT_EQ("/dir/", header(moved, "Location"));
    EXPECT_EQ("<p>index</p>", body(get(host, "/idx/")));

    TestHost no_list({"-ports", "0", "-root", root, "-dir_list", "no"});
    ASSERT_GT(no_list.port(), 0) << no_list.errors();
    EXPECT_EQ("HTTP/1.1 403 Directory Listing Denied", statusLine(get(no_list, "/list/")));
}

TEST_F(StaticFiles, Listing)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    const std::string reply = get(host, "/list/");
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(reply));
    EXPECT_EQ("text/html; charset=utf-8", header(reply, "Content-Type"));
    const std::string page = body(reply);
    EXPECT_NE(std::string::npos, page.find("<h1>Index of /list/</h1>")) << page;
    const struct {
        const char* name;
        const char* size;
    } rows[] = {{"small", "1023"}, {"k2", "2k"}, {"big", "1.5M"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::regex line("<tr><td><a href=\"/list/" + std::string(row.name) + "\">" + row.name +
                              "</a></td><td>&nbsp;[^<]*</td><td>&nbsp;&nbsp;" + row.size + "</td></tr>\n");
        EXPECT_TRUE(std::regex_search(page, line)) << page;
    }
    EXPECT_NE(std::string::npos, page.find("<a href=\"/list/sub/\">sub/</a>")) << page;
    EXPECT_NE(std::string::npos, page.find("&lt;DIR&gt;")) << page;
    EXPECT_NE(std::string::npos, page.find("<a href=\"/list/%3Cb%3Ex\">&lt;b&gt;x</a>")) << page;
    EXPECT_EQ(std::string::npos, page.find("<b>x")) << page;
    EXPECT_NE(std::string::npos, page.find("<a href=\"/list/../\">../</a>")) << page;
}

// The test host's "/echo*" callback covers these names; what is never served
// stays so, and the callback still takes everything else.
TEST_F(StaticFiles, ForbiddenBeforeAnyCallback)
{
    std::ofstream(root + "/echo.htpasswd") << "user:realm:hash";
    symlink("locked/.htpasswd", (root + "/echo-pw").c_str());
    mkfifo((root + "/echo-fifo").c_str(), 0644);
    std::ofstream(root + "/echo-file") << "a plain file";
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    const struct {
        const char* uri;
        const char* status;
    } cases[] = {
        {"/echo.htpasswd", "HTTP/1.1 403 Forbidden"},
        {"/echo-pw", "HTTP/1.1 403 Forbidden"},
        {"/echo-fifo", "HTTP/1.1 403 Forbidden"},
        {"/echo-file", "HTTP/1.1 200 OK"},
        {"/echo-nothing-there", "HTTP/1.1 200 OK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.uri);
        const std::string reply = get(host, c.uri);
        EXPECT_EQ(c.status, statusLine(reply));
        EXPECT_EQ(std::string::npos, reply.find("user:realm")) << reply;
        if (std::string(c.status).find("200") != std::string::npos) {
            EXPECT_NE(std::string::npos, body(reply).find(std::string("uri=") + c.uri)) << reply;
        }
    }
    // An index file that leads to the passwords file is passed over.
    mkdir((root + "/pw-index").c_str(), 0755);
    symlink("../locked/.htpasswd", (root + "/pw-index/index.html").c_str());
    const std::string listing = get(host, "/pw-index/");
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(listing));
    EXPECT_EQ(std::string::npos, listing.find("user:realm")) << listing;
}

namespace {

// Paths that try to leave the root, and what each gets.
struct ConfinementCase {
    const char* uri;
    const char* status;
};
const ConfinementCase kConfinementCases[] = {
    {"/../secret", "HTTP/1.1 404 Not Found"},
    {"/%2e%2e/secret", "HTTP/1.1 404 Not Found"},
    {"/a/..%2f..%2fsecret", "HTTP/1.1 404 Not Found"},
    {"/..\\..\\secret", "HTTP/1.1 404 Not Found"},
    {"/%5c..%5csecret", "HTTP/1.1 404 Not Found"},
    {"//etc/passwd", "HTTP/1.1 404 Not Found"},
    {"/link", "HTTP/1.1 404 Not Found"},
    // The URI loses the dot after a slash, so the name never reaches the file.
    {"/.htpasswd", "HTTP/1.1 404 Not Found"},
    {"/pw", "HTTP/1.1 403 Forbidden"},
    {"/fifo", "HTTP/1.1 403 Forbidden"},
};

// The lines of an "strace -f" output file between the lines that name the
// two marker paths.
std::vector<std::string> traceBetween(const std::string& trace, const std::string& from, const std::string& to)
{
    std::vector<std::string> lines;
    std::istringstream in(trace);
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.find(to) != std::string::npos) break;
        if (inside) lines.push_back(line);
        if (line.find(from) != std::string::npos) inside = true;
    }
    return lines;
}

} // namespace

TEST_F(StaticFiles, PathsStayBelowTheRoot)
{
    TestHost host({"-ports", "0", "-root", root});
    ASSERT_GT(host.port(), 0) << host.errors();
    for (const ConfinementCase& c : kConfinementCases) {
        for (const std::size_t piece : {std::size_t{0}, std::size_t{1}}) {
            SCOPED_TRACE(std::string(c.uri) + (piece ? " byte at a time" : " whole"));
            const std::string reply =
                request(host, std::string("GET ") + c.uri + " HTTP/1.1\r\nConnection: close\r\n\r\n", piece);
            EXPECT_EQ(c.status, statusLine(reply));
            EXPECT_EQ(std::string::npos, reply.find(kSecret));
            EXPECT_EQ(std::string::npos, reply.find("root:"));
        }
    }
}

// The same table under the system's tracer: while it runs, the host opens
// nothing outside the root. Start-up and exit (libraries, the sanitizers'
// reports) lie outside the two marker requests.
TEST_F(StaticFiles, NothingOutsideTheRootIsOpened)
{
    if (access("/usr/bin/strace", X_OK) != 0) GTEST_SKIP() << "strace is not installed";
    const std::string trace = dir.path() + "/trace";
    TestHost host({"-ports", "0", "-root", root}, "", "", -1,
                  {"/usr/bin/strace", "-f", "-qq", "-e", "trace=%file", "-o", trace});
    if (host.port() <= 0) GTEST_SKIP() << "the host does not run under strace here: " << host.errors();
    get(host, "/kw-trace-start");
    for (const ConfinementCase& c : kConfinementCases)
        for (const std::size_t piece : {std::size_t{0}, std::size_t{1}})
            request(host, std::string("GET ") + c.uri + " HTTP/1.1\r\nConnection: close\r\n\r\n", piece);
    EXPECT_EQ("HTTP/1.1 200 OK", statusLine(get(host, "/file1000")));
    get(host, "/kw-trace-end");
    host.stop();

    char resolved[PATH_MAX];
    ASSERT_NE(nullptr, realpath(root.c_str(), resolved));
    const std::string inside = std::string("\"") + resolved + "/";
    const std::vector<std::string> lines = traceBetween(readFile(trace), "/kw-trace-start", "/kw-trace-end");
    ASSERT_FALSE(lines.empty()) << readFile(trace);
    bool served = false;
    for (const std::string& line : lines) {
        if (line.find(root + "/file1000\"") != std::string::npos && line.find("open") != std::string::npos)
            served = true;
        // Each path the host opened lies below the root.
        if (line.find("open") != std::string::npos) {
            EXPECT_NE(std::string::npos, line.find(inside)) << line;
        }
        EXPECT_EQ(std::string::npos, line.find("\"/etc/passwd")) << line;
    }
    EXPECT_TRUE(served) << "the trace shows the file that was served";
}
