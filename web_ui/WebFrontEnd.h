#pragma once

#include <csignal>
#include <functional>
#include <string>
#include <vector>

struct kwhttpd_ctx;

// The web UI's front-end process: the embedded server with the wizard's pages
// and static files, serving one request at a time on the calling thread.

// The server's argument vector: "kitwright", "-ports" and the port ("s" after
// it with a certificate), then with a certificate "-ssl_cert" and the path and
// each TLS setting that is not empty ("-ssl_protocols", "-ssl_ciphers",
// "-ssl_cipher_server_preference"); last "-root" and `root`.
std::vector<std::string> webServerArguments(int port, const std::string& certificate, const std::string& protocols,
                                            const std::string& ciphers, const std::string& serverPreference,
                                            const std::string& root);

// Runs the front end: ignores SIGPIPE, reaps children on SIGCHLD, takes the
// one-time secret (loadWebSecret), starts the server (a port of 0 takes a
// free one), registers the pages (WebPages.h, asking the back end on
// `backendSocket` unless the process already holds the transport it was
// forked with) and static files and a catch-all that
// answers 404, calls `onListening` with the bound port, and then polls with a
// time-out of 1000 ms while `stopFlag` is null or 0. Returns 0 once it saw the
// flag set; with a null flag it never returns. A server that cannot start
// ends the process with status 1 (the server's fatal error).
//
// The server's root is an empty directory that nothing can fill, so that no
// request reaches a file: the core server has no CGI, include pages, uploads,
// listings, Digest or configuration file, and the catch-all answers whatever
// no registration serves.
int runWebServer(int port, const std::string& certificate, const std::string& protocols, const std::string& ciphers,
                 const std::string& serverPreference, const volatile std::sig_atomic_t* stopFlag,
                 const std::function<void(int port)>& onListening = {},
                 const std::string& backendSocket = "/tmp/kitwright_webui_socket");

// The static files of WebResources.h, in order, each with no user data.
void registerStaticFiles(kwhttpd_ctx* ctx);

// The SIGCHLD handler: reaps every ended child without waiting.
void reapChildren(int signalNumber);
