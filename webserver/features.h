#pragma once

// The entry points of the optional features, each in its own source file,
// for the full build's feature table.

#include "webserver/kwhttpd_internal.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

// config_file.cpp: the configuration file and the configuration page.
void read_config_file(kwhttpd_ctx* ctx, const char* argv0, const char* named);
void register_config_page(kwhttpd_ctx* ctx, const char* uri);
// dir_listing.cpp: the directory listing.
void start_dir_listing(kwhttpd_conn* conn, const std::string& path);

// auth.cpp: Digest authentication.
// The credentials the request's path needs ("protect", "auth_gpass", a
// ".htpasswd" beside the path); false after answering with the challenge.
bool check_authorization(kwhttpd_conn* conn);
// 1 when the request may have `path`, 0 when it is refused.
int open_auth_file(kwhttpd_conn* conn, const std::string& path);
// 1 when the credentials pass against the "auth_PUT" file, else 0.
int authorize_put(kwhttpd_conn* conn);
// 1 when the request's Digest credentials pass against the open passwords file.
int digest_authorize(kwhttpd_conn* conn, std::FILE* file);
// The 401 reply with a fresh nonce.
void send_digest_challenge(kwhttpd_conn* conn);
// MD5 over the parts joined by ":"; an empty part is left out with its
// separator. Writes 32 lower-case hexadecimal digits and a NUL.
void md5(char out[33], std::initializer_list<std::string_view> parts);
// The nonce this process issues at `issued`; it is good for five minutes.
std::string digest_nonce(std::time_t issued);

// uploads.cpp: "PUT" and "DELETE".
void serve_upload(kwhttpd_conn* conn);
// The extended attribute that marks a file written through "PUT".
extern const char* const kUploadMark;

// child_processes.cpp: programs and commands the server starts.
struct ChildSetup {
    const char* dir = nullptr;   // working directory; null: the server's
    const char* program = nullptr;
    char* const* argv = nullptr;
    char* const* envp = nullptr; // null: the server's environment
    int in_fd = -1, out_fd = -1, err_fd = 2;
    const char* failure = "";    // written to standard error, with the reason, when the start fails
};
// Starts the child (fork and exec): its standard input and output are
// `in_fd` and `out_fd` (made blocking), its standard error `err_fd`, and it
// has no other descriptor of the server. Returns its pid, or -1.
pid_t start_child(const ChildSetup& setup);
// The end of a child's use: `cut` kills it and what it started; the child
// is reaped unless the host reaps its children itself.
void end_child(pid_t pid, bool cut);

// cgi.cpp: CGI programs.
void start_cgi(kwhttpd_conn* conn, const std::string& path);

// ssi.cpp: include pages.
void start_ssi_reply(kwhttpd_conn* conn, const std::string& path);
