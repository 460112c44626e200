#include "installer/webui/RecoveryRecord.h"

#include "common/error.h"

void RecoveryRecord::set(const PageHistory& history, const std::string& text)
{
    pages_ = history;
    // error::text ends each level with a line end; raised again, it gets its own.
    text_ = text;
    while (!text_.empty() && text_.back() == '\n') text_.pop_back();
}

void RecoveryRecord::clear()
{
    pages_.reset();
    text_.clear();
}

void RecoveryRecord::raiseKeptFailure() const
{
    if (!pending()) return;
    error failure(3, 1, 1, 3);
    failure << text_;
    throw failure;
}
