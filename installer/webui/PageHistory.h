#pragma once

#include <ostream>
#include <string>
#include <vector>

// Where the web wizard stands: the pages the operator has reached, in order,
// each once; the last one is the current page. The back end, not the browser,
// keeps it: the front end asks for the current page and sends the browser
// there, and a command that does not fit the pages reached so far is answered
// "bad_page" with the current page.
//
// Going back is a reset followed by new appends: setCurrent never makes an
// earlier page current. Empty (current page "") only before the first reset.
class PageHistory {
public:
    static constexpr const char* summary = "summary";
    static constexpr const char* releases = "releases";
    static constexpr const char* installationTypes = "installation-types";
    static constexpr const char* components = "components";
    static constexpr const char* examine = "examine";
    static constexpr const char* params = "params";
    static constexpr const char* installation = "installation";

    // Appends the page unless it is in the history already (anywhere).
    void setCurrent(const std::string& page);
    // Back to "summary" alone.
    void reset();
    bool contains(const std::string& page) const;
    // The last page, or "" for an empty history.
    std::string current() const;
    const std::vector<std::string>& pages() const { return pages_; }

private:
    std::vector<std::string> pages_;
};

// " 'summary' 'components'"
std::ostream& operator<<(std::ostream& out, const PageHistory& history);
