#pragma once

#include <iosfwd>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

class BuildManager;
class ComponentManager;
class Package;
class Repository;
class ReportErrorStream;

// What a failure handler says about one report.
struct ErrorReportInfo {
    int severity = 0;  // 0 error, anything else warning
    std::string component;  // "installer" for the installer's own failures
    int userContinued = 2;  // 0 the operator went on, 1 did not, 2 not asked
    int packageMode = 3;  // 0 install, 1 upgrade, 2 remove, 3 none
    std::string packageOldVersion;
    std::string packageNewVersion;
    std::string summary;
};

std::ostream& operator<<(std::ostream& out, const ErrorReportInfo& info);

// The process-wide contents of the error report, collected while the run goes
// on (versions, the source, what was about to be installed, the messages the
// engine adds when a package manager run fails), and the sending of a report:
// the document goes to the sending tool, which the installer carries in its own
// image and writes out. Every operation is thread-safe (the web mode's
// installation runs on its own thread). Nothing that leaves the machine holds a
// password: texts pass through redact::text with the proxy password.
class ReportError {
public:
    static void setInstallerVersion(const std::string& version, const std::string& revision);
    static void setSourceUrl(const std::string& url);
    // The version text for the report tool's "--version" argument: kept only for
    // the product "zarni" while the feedback product is "zarni".
    static void set_product_version(const std::string& productId, const std::string& version);
    // The releases and components about to be installed, as their reporters print them.
    static void setInstallInfo(BuildManager* builds, ComponentManager* components);
    // The resolved package list, as the packages reporter prints it.
    static void setPackagesInfo(const std::vector<const Package*>& packages, const Repository* repository);

    // Text written to the returned stream is appended to the message collector
    // and, when `level` is 0 or more, also logged at that level without a line
    // end. Level -1 only collects.
    static ReportErrorStream stream(int level);

    // The command line, each argument followed by a blank, passwords masked.
    static std::string getLaunchString();

    static const char* const toolPath;  // "/opt/kvo/admin/bin/send-error-report"
    static const char* const updateTicketPath;  // "/opt/kvo/var/update_ticket"
    // Writes the tool out (once per process) and returns its path; raises
    // "err_filewrite1" or "err_mkdir" when it cannot.
    static std::string installReportTool();
    // The same with every failure only logged.
    static void tryInstallReportTool();

    // Sends one report when Feedback::mayReport and something was collected:
    // the tool starts in the background with the document on its standard input.
    // Always empties the collector; never raises. The stream is not read
    // (callers pass a level -1 stream).
    static void sendReport(const ReportErrorStream& stream, const ErrorReportInfo& info);
    // The report document for `info` and what is collected now, on one line.
    static std::string document(const ErrorReportInfo& info);

    // What the collector holds now.
    static std::string collectedMessage();
    // Empties the collector (every sent report does).
    static void clearMessage();

    static std::string installerVersion();
    static std::string installerRevision();
    static std::string sourceUrl();
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
