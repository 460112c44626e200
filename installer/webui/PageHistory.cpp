#include "installer/webui/PageHistory.h"

#include "common/Log.h"

#include <algorithm>
#include <sstream>

void PageHistory::setCurrent(const std::string& page)
{
    std::ostringstream shown;
    shown << *this;
    Log(3, true) << "web_ui: pages: set current: " << page << "(" << shown.str() << ")";
    if (contains(page)) {
        Log(3, true) << "web_ui: pages: set current: " << page << " skipped (" << shown.str() << ")";
        return;
    }
    pages_.push_back(page);
}

void PageHistory::reset()
{
    pages_.assign(1, summary);
    Log(3, true) << "web_ui: pages: reset";
}

bool PageHistory::contains(const std::string& page) const
{
    return std::find(pages_.begin(), pages_.end(), page) != pages_.end();
}

std::string PageHistory::current() const
{
    return pages_.empty() ? std::string() : pages_.back();
}

std::ostream& operator<<(std::ostream& out, const PageHistory& history)
{
    for (const std::string& page : history.pages()) out << " '" << page << "'";
    return out;
}
