#include "web_ui/WebSessions.h"

#include "common/SystemUtils.h"
#include "web_ui/WebSecret.h"

#include <cstdio>
#include <vector>

const char* const WebSessions::kAdoptedIdVariable = "KW_WEB_UI_SESSION_ID";

std::ostream& operator<<(std::ostream& out, const WebUiSession& session)
{
    return out << (session.active ? "active" : "inactive") << " session";
}

std::ostream& operator<<(std::ostream& out, WebSessions::Check check)
{
    switch (check) {
    case WebSessions::Check::admitted: return out << "admitted";
    case WebSessions::Check::unknown: return out << "unknown session";
    case WebSessions::Check::notAdmitted: return out << "not admitted";
    case WebSessions::Check::malformed: return out << "malformed cookie";
    case WebSessions::Check::full: return out << "session table full";
    case WebSessions::Check::adopted: return out << "adopted session";
    }
    return out;
}

bool equalSecrets(const std::string& a, const std::string& b)
{
    // Every byte of the longer text is compared, so that the time tells
    // nothing of where the texts part.
    const std::size_t length = a.size() > b.size() ? a.size() : b.size();
    unsigned char difference = a.size() == b.size() ? 0 : 1;
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char x = i < a.size() ? static_cast<unsigned char>(a[i]) : 0;
        const unsigned char y = i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
        difference |= static_cast<unsigned char>(x ^ y);
    }
    return difference == 0;
}

WebSessions::WebSessions(Clock clock) : clock_(std::move(clock)), adoptableId_(getEnv(kAdoptedIdVariable))
{
    unsetEnv(kAdoptedIdVariable);
}

bool WebSessions::parseCookies(const std::string& header, std::map<std::string, std::string>& cookies)
{
    std::size_t at = 0;
    for (;;) {
        while (at < header.size() && (header[at] == ' ' || header[at] == '\t')) ++at;
        std::string name;
        for (;; ++at) {
            if (at >= header.size()) return false;
            const char c = header[at];
            if (c == '=') break;
            if (c == '\0' || c == '\n' || c == '\r' || c == ';') return false;
            name += c;
            if (name.size() > kMaxCookieName) return false;
        }
        ++at;
        std::string value;
        while (at < header.size()) {
            const char c = header[at];
            if (c == '\0' || c == '\n' || c == '\r' || c == ';') break;
            value += c;
            if (value.size() > kMaxCookieValue) return false;
            ++at;
        }
        cookies[name] = value;
        if (at < header.size() && header[at] == ';') {
            ++at;
            continue;
        }
        return true;
    }
}

std::string WebSessions::newCsrfToken()
{
    unsigned char bytes[16];
    randomBytes(bytes, sizeof bytes);
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0f) | 0x40);  // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3f) | 0x80);  // the RFC 4122 variant
    char text[37];
    std::snprintf(text, sizeof text, "%02x%02x%02x%02x-%02x%02x-%02x%02x-%02x%02x-%02x%02x%02x%02x%02x%02x", bytes[0],
                  bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8], bytes[9], bytes[10],
                  bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
    return text;
}

std::string WebSessions::newId() const
{
    std::string id;
    do id = randomLetters(kIdLength);
    while (table_.count(id) != 0);
    return id;
}

WebUiSession& WebSessions::insert(const std::string& id, bool active)
{
    WebUiSession& session = table_[id];
    session.id = id;
    session.active = false;
    session.expiry = clock_() + kLifetime;
    session.csrfToken = newCsrfToken();
    if (active) activateSession(session);
    current_ = &session;
    return session;
}

const WebUiSession* WebSessions::find(const std::string& id) const
{
    const auto found = table_.find(id);
    return found == table_.end() ? nullptr : &found->second;
}

bool WebSessions::createSession()
{
    if (table_.size() >= kMaxSessions) evictSession();
    if (table_.size() >= kMaxSessions) return false;
    insert(newId(), false);
    return true;
}

bool WebSessions::adoptSession(const std::string& id)
{
    if (table_.size() >= kMaxSessions) evictSession();
    if (table_.size() >= kMaxSessions) return false;
    insert(id, true);
    return true;
}

void WebSessions::evictSession()
{
    auto oldest = table_.end();
    for (auto entry = table_.begin(); entry != table_.end(); ++entry) {
        if (entry->second.active) continue;
        // The table is ordered by id: the first of equal expiries stays chosen.
        if (oldest == table_.end() || entry->second.expiry < oldest->second.expiry) oldest = entry;
    }
    if (oldest == table_.end()) return;
    if (current_ == &oldest->second) current_ = nullptr;
    table_.erase(oldest);
}

void WebSessions::activateSession(WebUiSession& session)
{
    for (auto& entry : table_) entry.second.active = false;
    session.active = true;
    touchSession(session);
}

void WebSessions::touchSession(WebUiSession& session)
{
    session.expiry = clock_() + kLifetime;
}

bool WebSessions::isSessionAlive(WebUiSession& session)
{
    if (clock_() < session.expiry) {
        touchSession(session);
        return true;
    }
    session.active = false;
    return false;
}

WebUiSession& WebSessions::admitCurrentSession()
{
    if (current_) {
        table_.erase(current_->id);
        current_ = nullptr;
    }
    // The entry just dropped leaves room: a new id never needs an eviction here.
    return insert(newId(), true);
}

WebSessions::Check WebSessions::checkSession(const char* cookieHeader)
{
    current_ = nullptr;
    if (cookieHeader == nullptr || *cookieHeader == '\0') return createSession() ? Check::notAdmitted : Check::full;
    std::map<std::string, std::string> cookies;
    if (!parseCookies(cookieHeader, cookies)) return Check::malformed;
    const auto id = cookies.find("sessionID");
    if (id == cookies.end()) return Check::malformed;
    const auto found = table_.find(id->second);
    if (found != table_.end()) {
        current_ = &found->second;
        return found->second.active && isSessionAlive(found->second) ? Check::admitted : Check::notAdmitted;
    }
    if (!adoptableId_.empty() && equalSecrets(adoptableId_, id->second)) {
        adoptableId_.clear();
        return adoptSession(id->second) ? Check::adopted : Check::full;
    }
    return Check::unknown;
}

WebUiSession* WebSessions::admittedSession(const char* cookieHeader)
{
    std::map<std::string, std::string> cookies;
    if (cookieHeader == nullptr || !parseCookies(cookieHeader, cookies)) return nullptr;
    const auto id = cookies.find("sessionID");
    if (id == cookies.end()) return nullptr;
    const auto found = table_.find(id->second);
    if (found == table_.end() || !found->second.active || !isSessionAlive(found->second)) return nullptr;
    return &found->second;
}
