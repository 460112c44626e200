#pragma once

#include <mutex>
#include <sstream>
#include <string>

class ReportErrorStream;

// The process-wide contents of the error report, collected while the run goes
// on: versions, the source, and the messages the engine adds when a package
// manager run fails. Building and sending the report is the failure handlers'
// part; here is only what is collected. Every operation is thread-safe (the web
// mode's installation runs on its own thread).
class ReportError {
public:
    static void setInstallerVersion(const std::string& version, const std::string& revision);
    static void setSourceUrl(const std::string& url);
    // The version text for the report tool's "--version" argument.
    static void set_product_version(const std::string& productId, const std::string& version);

    // Text written to the returned stream is appended to the message collector
    // and, when `level` is 0 or more, also logged at that level without a line
    // end. Level -1 only collects.
    static ReportErrorStream stream(int level);

    // What the collector holds now.
    static std::string collectedMessage();
    // Empties the collector (every sent report does).
    static void clearMessage();

    static std::string installerVersion();
    static std::string installerRevision();
    static std::string sourceUrl();
    static std::string productId();
    static std::string productVersion();

private:
    friend class ReportErrorStream;
    static void append(int level, const std::string& text);
};

class ReportErrorStream {
public:
    explicit ReportErrorStream(int level) : level_(level) {}

    template <class T>
    ReportErrorStream& operator<<(const T& value)
    {
        std::ostringstream text;
        text << value;
        ReportError::append(level_, text.str());
        return *this;
    }
    ReportErrorStream& operator<<(std::ostream& (*manipulator)(std::ostream&));

private:
    int level_;
};
