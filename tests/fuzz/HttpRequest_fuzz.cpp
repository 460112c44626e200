// Requests to the embedded server, through its socket-free entry: every
// reply starts with a status line, every error reply has the exact form
// "Error: NNN" with its length, and the bytes arriving whole or in small
// pieces give the same reply.
#include "tests/fuzz/FuzzTargets.h"

#include "common/md5.h"
#include "webserver/kwhttpd.h"

#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <string>

namespace {

void echo(kwhttpd_arg* arg)
{
    char value[64] = "";
    const char* query = kwhttpd_get_env(arg, "QUERY_STRING");
    if (query) kwhttpd_get_var("a", query, std::strlen(query), value, sizeof value);
    const char* cookie = kwhttpd_get_header(arg, "Cookie");
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\n\r\n%s|%s|%s|%s", kwhttpd_get_env(arg, "REQUEST_METHOD"),
                   kwhttpd_get_env(arg, "REQUEST_URI"), value, cookie ? cookie : "-");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

// Waits for the whole body, then answers with its length.
void post(kwhttpd_arg* arg)
{
    if ((arg->flags & KWHTTPD_CONNECTION_LOST) || (arg->flags & KWHTTPD_MORE_BODY)) return;
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\n\r\n%d", arg->in.len);
    arg->in.num_bytes = arg->in.len;
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

void hold(kwhttpd_arg*)
{
}

// A root with a directory "p" that Digest protects (user "u", realm "R").
std::string protectedRoot()
{
    const std::string root = fuzz::scratchDirectory() + "/http";
    mkdir(root.c_str(), 0755);
    mkdir((root + "/p").c_str(), 0755);
    std::ofstream(root + "/p/.htpasswd") << "u:R:" << md5String("u:R:p") << "\n";
    std::ofstream(root + "/p/page.txt") << "page";
    return root;
}

kwhttpd_ctx* server()
{
    static kwhttpd_ctx* ctx = [] {
        std::string root = protectedRoot();
        char name[] = "fuzz", ports[] = "-ports", none[] = "", body[] = "-max_body", limit[] = "4096",
             root_option[] = "-root", realm_option[] = "-auth_realm", realm[] = "R";
        char* argv[] = {name, ports, none, body, limit, root_option, root.data(), realm_option, realm, nullptr};
        kwhttpd_ctx* made = kwhttpd_init(9, argv);
        kwhttpd_register_uri(made, "/echo*", echo, nullptr);
        kwhttpd_register_uri(made, "/post", post, nullptr);
        kwhttpd_register_uri(made, "/hold", hold, nullptr);
        return made;
    }();
    return ctx;
}

void checkErrorReplies(const std::string& replies)
{
    const std::string type = "\r\nContent-Type: text/plain\r\nContent-Length: 12\r\n\r\nError: ";
    for (std::size_t at = replies.find(type); at != std::string::npos; at = replies.find(type, at + 1)) {
        const std::size_t line = replies.rfind("HTTP/1.1 ", at);
        fuzz::require(line != std::string::npos && at + type.size() + 5 <= replies.size(), "an error reply is whole",
                      replies);
        const std::string status = replies.substr(line + 9, 3);
        fuzz::require(replies.compare(at + type.size(), 5, status + "\r\n") == 0, "the error body names the status",
                      replies);
    }
}

// The replies with every challenge's nonce blanked: a nonce names the
// second it was issued in.
std::string withoutNonces(std::string replies)
{
    for (std::size_t at = replies.find("nonce=\""); at != std::string::npos; at = replies.find("nonce=\"", at + 1)) {
        const std::size_t end = replies.find('"', at + 7);
        if (end == std::string::npos) break;
        replies.erase(at + 7, end - at - 7);
    }
    return replies;
}

}  // namespace

namespace fuzz {

int httpRequest(const std::uint8_t* data, std::size_t size)
{
    const std::string input = text(data, size);
    const std::string whole = kwhttpd_serve_bytes(server(), input, 0);
    require(whole.empty() || whole.compare(0, 9, "HTTP/1.1 ") == 0, "a reply starts with a status line", whole);
    checkErrorReplies(whole);
    const std::size_t piece = 1 + (size > 0 ? data[0] % 13 : 0);
    require(withoutNonces(kwhttpd_serve_bytes(server(), input, piece)) == withoutNonces(whole),
            "the reply does not depend on the pieces", input);
    return 0;
}

}  // namespace fuzz
