#pragma once

#include <sys/types.h>

#include <ostream>
#include <string>

class Options;

// Starts and stops the web UI's front end (runWebServer) on behalf of the web
// back end, and tells the operator where the wizard is. The front end is a
// fork of the installer process, not a new program: it starts with the
// installer's options, catalogue and log as they are at the fork.
//
// Lifetime: created by the back-end driver after it opened its local socket
// (the front end is running then), stopped before a self-upgrade and when the
// driver ends; stopping twice is harmless. Runs on the back end's main thread.
class WebServerLauncher {
public:
    // What the front end is started with.
    struct Settings {
        int port = 8447;  // 0 takes a free port (tests)
        std::string certificate;
        std::string protocols;
        std::string ciphers;
        std::string serverPreference;
        bool openBrowser = true;  // cleared by "--disable-browser"

        // The wizard's port, the certificate and the TLS settings of the options.
        static Settings fromOptions(const Options& options);
    };

    // start, then openBrowser. An error from either leaves the constructor,
    // and no front end is left running.
    explicit WebServerLauncher(const Settings& settings);
    // stop(500).
    ~WebServerLauncher();
    WebServerLauncher(const WebServerLauncher&) = delete;
    WebServerLauncher& operator=(const WebServerLauncher&) = delete;

    // Forks the front end and waits, at most 15 s, until it listens: the child
    // reports "ready" and its port through a pipe, or the pipe closes when it
    // fails. A front end that does not come up is reaped (killed first when it
    // hangs) and raises error (4,2,1,2) "Can't start build-in web-server"; a
    // failed fork raises "can't fork" with unset codes. The child keeps no
    // socket and no pipe of the installer (the back end's listener among them).
    void start();

    // Opens a browser on the wizard's address when a display is there and
    // opening is allowed ("xdg-open" with the address as its argument, no
    // shell, without the one-time secret in its environment; its exit code is
    // ignored), then writes the XML "ok" status or shows "goto_webinterface_url"
    // with the address, and switches the log's console echo off for the rest
    // of the installer process.
    void openBrowser() const;

    // SIGTERM to the front end, up to 10 s for it to end, then SIGKILL; returns
    // true once it is reaped. The time-out passed is not used. A front end
    // that was reaped already is never signalled again: its process id may
    // belong to another process by then.
    bool stop(int timeoutMilliseconds);

    // "https://" with a certificate, else "http://", the host name, ":", the
    // port and "/"; never the secret.
    std::string address() const;

    pid_t pid() const { return pid_; }
    int port() const { return port_; }

private:
    // Waits until the child at pid_ has ended and reaps it.
    void reap(int graceSeconds);

    Settings settings_;
    pid_t pid_ = -1;
    int port_ = 0;  // the port the front end reported
    bool reaped_ = true;
};

std::ostream& operator<<(std::ostream& out, const WebServerLauncher& launcher);
