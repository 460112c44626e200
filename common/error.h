#pragma once

#include <list>
#include <set>
#include <sstream>
#include <string>

// The one exception type for failures meant for the operator and for internal
// consistency failures. Deliberately not a std::exception: handlers catch it by name.
//
// Codes (0 = unset, filled by an outer level through addLevel):
//   class:        1 repository, 2 user, 3 internal, 4 system, 5 dependencies, 6 packages
//   retry:        1 no advice, 2 try again later
//   system state: 1 stable, 2 unsure, 3 broken
//   support:      1 none, 2 maybe, 3 needed
class error {
public:
    // Marks tested by the top-level handlers.
    enum Mark {
        markLogged = 0,     // already in the log: skip the "Error: " line
        markNoReport = 1,   // operator stop or nothing to do: send no error report
    };

    error();
    error(int errorClass, int retry, int systemState, int support);
    virtual ~error() = default;
    error(const error&) = default;
    error& operator=(const error&) = default;

    // Appends the value's stream text to the message being built.
    template <class T>
    error& operator<<(const T& value)
    {
        std::ostringstream text;
        text << value;
        messages_.back() += text.str();
        return *this;
    }
    error& operator<<(const char* text);

    // Starts a new (context) message and fills the codes that are still unset.
    error& addLevel(int errorClass, int retry, int systemState, int support);

    // All messages, the last added first, each followed by a newline.
    std::string text() const;
    // text() plus the localized advice lines chosen by the codes.
    std::string userText() const;
    const char* className() const;

    void mark(int m) { marks_.insert(m); }
    bool isMarked(int m) const { return marks_.count(m) != 0; }
    const std::set<int>& marks() const { return marks_; }

    int errorClass() const { return class_; }
    int retry() const { return retry_; }
    int systemState() const { return systemState_; }
    int support() const { return support_; }
    // Overrides the support need, where a handler knows more than the raiser.
    void setSupport(int support) { support_ = support; }

private:
    std::list<std::string> messages_;
    int class_;
    int retry_;
    int systemState_;
    int support_;
    std::set<int> marks_;
};

// Builds the error for a consistency failure at file:line; see KW_INTERNAL_ERROR.
error internalError(const char* file, int line);

// A state the code does not expect: throw KW_INTERNAL_ERROR();
#define KW_INTERNAL_ERROR() ::internalError(__FILE__, __LINE__)
