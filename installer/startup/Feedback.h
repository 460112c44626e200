#pragma once

#include <string>

// The operator's consent to error reports, kept as one of two empty flag files
// so that it survives runs and every way of driving the program shares it, and
// the product and group the feedback belongs to. The files are read on every
// query, so a change made by another process counts at once.
class Feedback {
public:
    enum State {
        enabled = 0,
        disabled = 1,  // also when both flag files exist
        undecided = 2,
    };

    static const char* const directory;  // "/var/kestavine"

    static State state();
    static bool isEnabled();
    static bool isUndecided();

    // Leaves exactly one flag file. Every file is written whole (a new file,
    // renamed into place) with mode 0600; a failure raises "err_filewrite1".
    static void setEnabled(bool on);
    // Stored unchanged, without a line end.
    static void setProduct(const std::string& productId);
    static void setGroupId(const std::string& groupId);
    // The stored product, trimmed; "zarni" when it is missing, unreadable or blank.
    static std::string getProduct();

    // From the "send_feedback" switch of the last build file loaded; true at start.
    static void setAllowedByConfig(bool allowed);
    static bool isAllowedByConfig();
    // For the rest of the process an undecided operator counts as agreeing (the
    // command-line driver's rule).
    static void allowAsking();

    // Whether an error report may be sent now.
    static bool mayReport();
};
