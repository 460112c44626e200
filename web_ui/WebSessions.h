#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <ostream>
#include <string>

// One browser session of the web wizard.
struct WebUiSession {
    std::string id;         // the "sessionID" cookie: kIdLength letters a-z
    bool active = false;    // admitted; at most one session of the table is
    std::chrono::system_clock::time_point expiry;
    std::string csrfToken;  // a random version-4 UUID in its text form
};

// Never shows the id or the token: log lines carry neither.
std::ostream& operator<<(std::ostream& out, const WebUiSession& session);

// The front end's table of browser sessions: at most kMaxSessions, at most
// one of them active (admitted). A session is born inactive, becomes active
// by a login, the one-time secret or the adoption of the id the installer
// handed to a restarted front end, and stays active while it is used at
// least once an hour; activating one session ends the admission of all
// others. Ids and tokens come from the kernel's random source.
//
// Owned by the front end; used by its only thread. The table starts empty.
class WebSessions {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    static constexpr std::size_t kMaxSessions = 32;
    static constexpr std::size_t kIdLength = 28;  // over 128 bits
    static constexpr std::chrono::seconds kLifetime{3600};
    static constexpr std::size_t kMaxCookieName = 5001;
    static constexpr std::size_t kMaxCookieValue = 5000;
    // The id a front end restarted by the installer may adopt once.
    static const char* const kAdoptedIdVariable;  // "KW_WEB_UI_SESSION_ID"

    // What checkSession found.
    enum class Check {
        admitted,     // an active session of the table, not expired (its hour is renewed)
        unknown,      // a cookie id that is neither in the table nor adoptable
        notAdmitted,  // a session that is inactive or expired; or no cookie, and a new session was made
        malformed,    // a malformed Cookie header, or no "sessionID" in it
        full,         // a session had to be made and the table is full
        adopted,      // the installer's session id was taken over
    };

    // Takes "KW_WEB_UI_SESSION_ID" out of the environment: it is adopted at
    // most once per front end.
    explicit WebSessions(Clock clock = std::chrono::system_clock::now);

    // Finds the session of the request's Cookie header (null: none); it
    // becomes the current session (none for unknown and malformed).
    Check checkSession(const char* cookieHeader);
    // A new inactive session becomes the current one; false when the table
    // is full and eviction could not make room.
    bool createSession();
    // A new active session under the given id; false when the table is full.
    bool adoptSession(const std::string& id);
    // Removes the inactive session with the earliest expiry (the smallest id
    // among equal ones); nothing when all are active.
    void evictSession();
    void activateSession(WebUiSession& session);
    void touchSession(WebUiSession& session);
    // Before its expiry: touched, true. After: made inactive, false.
    bool isSessionAlive(WebUiSession& session);
    // Admission by secret or password: the current session is replaced by a
    // new one with a new id and token (the id seen before the login is
    // dropped), which becomes the active session and the current one.
    WebUiSession& admitCurrentSession();

    // The active, unexpired session the Cookie header names (its hour is
    // renewed), or null; never makes a session and leaves current() alone.
    WebUiSession* admittedSession(const char* cookieHeader);

    // The session of the request being handled, or null.
    WebUiSession* current() const { return current_; }
    std::size_t size() const { return table_.size(); }
    const WebUiSession* find(const std::string& id) const;

    // The Cookie header as name-to-value pairs (a later name replaces an
    // earlier one, nothing decoded); false when it is malformed.
    static bool parseCookies(const std::string& header, std::map<std::string, std::string>& cookies);
    // A random version-4 UUID, "xxxxxxxx-xxxx-4xxx-yxxx-xxxxxxxxxxxx".
    static std::string newCsrfToken();

private:
    std::string newId() const;
    WebUiSession& insert(const std::string& id, bool active);

    Clock clock_;
    std::map<std::string, WebUiSession> table_;
    WebUiSession* current_ = nullptr;
    std::string adoptableId_;
};

std::ostream& operator<<(std::ostream& out, WebSessions::Check check);

// Equality of two secrets in a time that does not depend on where they differ.
bool equalSecrets(const std::string& a, const std::string& b);
