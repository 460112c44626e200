#pragma once

#include "installer/webui/PageHistory.h"

#include <string>

// A failed work stage of the web back end: the page history at that moment and
// the failure's text. While it holds a text, recovery is pending: the later
// stages stay idle and the commands that depend on them answer with the kept
// failure (raiseKeptFailure) until the operator goes back far enough.
class RecoveryRecord {
public:
    void set(const PageHistory& history, const std::string& text);
    // The kept pages back to "summary" alone, no text.
    void clear();
    bool pending() const { return !text_.empty(); }
    const PageHistory& pages() const { return pages_; }
    const std::string& text() const { return text_; }
    // Raises error (3,1,1,3) with the kept text while recovery is pending.
    void raiseKeptFailure() const;

private:
    PageHistory pages_;
    std::string text_;
};
