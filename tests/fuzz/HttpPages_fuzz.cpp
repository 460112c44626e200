// What a CGI program writes and what an include page holds, through the
// embedded server's socket-free entry. The program is "/bin/cat" over a file
// holding the input, so no input is ever run; the page is marked as written
// through PUT, so its commands are refused.
#include "tests/fuzz/FuzzTargets.h"

#include "webserver/kwhttpd.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

kwhttpd_ctx* makeServer(const std::string& root, std::vector<std::string> options)
{
    mkdir(root.c_str(), 0755);
    std::vector<std::string> args{"fuzz", "-ports", "", "-root", root, "-request_timeout", "10"};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    return kwhttpd_init(static_cast<int>(args.size()), argv.data());
}

void writeInput(const std::string& path, const std::string& input)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;
}

std::string statusOf(const std::string& reply)
{
    return reply.substr(0, reply.find("\r\n"));
}

std::string bodyOf(const std::string& reply)
{
    const std::size_t at = reply.find("\r\n\r\n");
    return at == std::string::npos ? "" : reply.substr(at + 4);
}

void condition(kwhttpd_arg* arg)
{
    if (arg->in.len == 3 && std::memcmp(arg->in.buf, "yes", 3) == 0) arg->flags |= KWHTTPD_SSI_TRUE;
}

void echoInput(kwhttpd_arg* arg)
{
    kwhttpd_printf(arg, "<%.*s>", arg->in.len, arg->in.buf);
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

}  // namespace

namespace fuzz {

int cgiReply(const std::uint8_t* data, std::size_t size)
{
    static const std::string root = scratchDirectory() + "/cgi";
    static kwhttpd_ctx* ctx = makeServer(root, {"-cgi_interp", "/bin/cat"});
    const std::string input = text(data, size);
    writeInput(root + "/reply.cgi", input);
    const std::string reply = kwhttpd_serve_bytes(ctx, "GET /reply.cgi HTTP/1.1\r\nConnection: close\r\n\r\n", 0);
    require(reply.compare(0, 9, "HTTP/1.1 ") == 0, "a reply starts with a status line", reply);
    const std::string status = statusOf(reply);
    // A machine too busy to start "/bin/cat" in time gives the time-out reply.
    if (status == "HTTP/1.1 500 Error running CGI" || status == "HTTP/1.1 500 Bad headers sent" ||
        status == "HTTP/1.1 504 Gateway Timeout") {
        require(bodyOf(reply) == "Error: " + status.substr(9, 3) + "\r\n", "a refused head gives the error reply", reply);
        return 0;
    }
    const int code = std::atoi(status.c_str() + 9);
    require(code >= 100 && code <= 599, "the status is one the program may give", reply);
    // The program's head and body are relayed as they came.
    const std::string relayed = reply.substr(status.size() + 2);
    require(input.compare(0, relayed.size(), relayed) == 0, "the program's bytes are relayed unchanged", reply);
    return 0;
}

int ssiPage(const std::uint8_t* data, std::size_t size)
{
    static const std::string root = scratchDirectory() + "/ssi";
    static kwhttpd_ctx* ctx = [] {
        kwhttpd_ctx* made = makeServer(root, {});
        kwhttpd_register_ssi_func(made, "f", condition, nullptr);
        kwhttpd_register_ssi_func(made, "echo", echoInput, nullptr);
        std::ofstream(root + "/inc.html") << "included";
        return made;
    }();
    const std::string input = text(data, size);
    const std::string page = root + "/page.shtml";
    writeInput(page, input);
    require(setxattr(page.c_str(), "user.kwhttpd.upload", "PUT", 3, 0) == 0, "the page is marked as uploaded");
    const std::string request = "GET /page.shtml HTTP/1.1\r\nConnection: close\r\n\r\n";
    const std::string reply = kwhttpd_serve_bytes(ctx, request, 0);
    require(statusOf(reply) == "HTTP/1.1 200 OK", "an include page is served", reply);
    if (input.find('<') == std::string::npos)
        require(bodyOf(reply) == input, "a page without tags is itself", reply);
    require(bodyOf(kwhttpd_serve_bytes(ctx, request, 0)) == bodyOf(reply), "a page reads the same twice", input);
    return 0;
}

}  // namespace fuzz
