#include "installer/startup/ReportError.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Redact.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/xmlbind.h"
#include "installer/reporters/PackagesReporter.h"
#include "installer/reporters/ToInstallComponentsReporter.h"
#include "installer/reporters/ToInstallReleasesReporter.h"
#include "installer/sources/Downloader.h"
#include "installer/startup/Feedback.h"
#include "installer/startup/StartupArguments.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <exception>
#include <ostream>

// The tool's image, generated at build time from the tool program (cmake/EmbedFile.cmake).
extern const unsigned char kwReportToolImage[];
extern const std::size_t kwReportToolImage_size;

const char* const ReportError::toolPath = "/opt/kvo/admin/bin/send-error-report";
const char* const ReportError::updateTicketPath = "/opt/kvo/var/update_ticket";

namespace {

struct ReportState {
    std::mutex mutex;
    std::string installerVersion;
    std::string installerRevision;
    std::string sourceUrl;
    std::string productVersion;
    std::string releasesInfo;
    std::string componentsInfo;
    std::string packagesInfo;
    std::string message;
    bool toolWritten = false;
};

ReportState& state()
{
    static ReportState instance;
    return instance;
}

// Every text of the report passes here before it leaves the machine.
std::string redacted(const std::string& text) { return redact::text(text, {downloadProxy().password}); }

std::string printed(const Reporter& reporter)
{
    std::ostringstream text;
    reporter.put(text);
    return text.str();
}

TiXmlElement* addElement(TiXmlElement* parent, const char* name)
{
    TiXmlElement* element = new TiXmlElement(name);
    parent->LinkEndChild(element);
    return element;
}

void addTextElement(TiXmlElement* parent, const char* name, const std::string& text)
{
    xmlbind::addText(addElement(parent, name), text);
}

std::string utcNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts;
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%S", &parts);
    return text;
}

// The update ticket, when it is a plain file of at most 4 KiB reached without a
// link; only printable text of it is kept, trimmed. Empty otherwise.
std::string readUpdateTicket()
{
    constexpr std::size_t kMaxTicket = 4096;
    const int fd = ::open(ReportError::updateTicketPath, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::string();
    struct stat info;
    std::string content;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= kMaxTicket) {
        char buffer[kMaxTicket + 1];
        ssize_t count;
        while ((count = ::read(fd, buffer, sizeof buffer)) > 0 && content.size() <= kMaxTicket)
            content.append(buffer, static_cast<std::size_t>(count));
        if (count < 0 || content.size() > kMaxTicket) content.clear();
    }
    ::close(fd);
    std::string printable;
    for (const char c : content) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (std::isprint(byte) || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') printable += c;
    }
    const std::string::size_type first = printable.find_first_not_of(" \f\n\r\t");
    if (first == std::string::npos) return std::string();
    return printable.substr(first, printable.find_last_not_of(" \f\n\r\t") - first + 1);
}

void labelTool(const std::string& path)
{
    // SELinux systems run only labelled programs; elsewhere chcon fails, which
    // changes nothing. The path goes as an argument, never through a shell.
    const char* chcon = "/usr/bin/chcon";
    if (::access(chcon, X_OK) != 0) return;
    try {
        getProgramOutputLine(chcon, {"system_u:object_r:bin_t:s0", path}, 30);
    } catch (const error& failure) {
        Log(3, true) << "DEBUG: chcon of " << path << ": " << failure.text();
    }
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ErrorReportInfo& info)
{
    return out << "ErrorReportInfo(severity " << info.severity << ", component " << info.component << ", continued "
               << info.userContinued << ", mode " << info.packageMode << ", " << info.packageOldVersion << " -> "
               << info.packageNewVersion << ", summary " << info.summary << ")";
}

void ReportError::setInstallerVersion(const std::string& version, const std::string& revision)
{
    std::lock_guard<std::mutex> guard(state().mutex);
    state().installerVersion = version;
    state().installerRevision = revision;
}

void ReportError::setSourceUrl(const std::string& url)
{
    std::lock_guard<std::mutex> guard(state().mutex);
    state().sourceUrl = url;
}

void ReportError::set_product_version(const std::string& productId, const std::string& version)
{
    Log(3, true) << "ReportError::set_product_version(" << productId << ", " << version << ")";
    if (Feedback::getProduct() != "zarni" || productId != "zarni") return;
    std::lock_guard<std::mutex> guard(state().mutex);
    state().productVersion = version;
}

void ReportError::setInstallInfo(BuildManager* builds, ComponentManager* components)
{
    const std::string releases = printed(ToInstallReleasesReporter(0, builds));
    const std::string componentsText = printed(ToInstallComponentsReporter(0, components));
    std::lock_guard<std::mutex> guard(state().mutex);
    state().releasesInfo = releases;
    state().componentsInfo = componentsText;
}

void ReportError::setPackagesInfo(const std::vector<const Package*>& packages, const Repository* repository)
{
    const std::string text = printed(PackagesReporter(0, &packages, repository, false));
    std::lock_guard<std::mutex> guard(state().mutex);
    state().packagesInfo = text;
}

ReportErrorStream ReportError::stream(int level)
{
    return ReportErrorStream(level);
}

std::string ReportError::getLaunchString()
{
    // Setting values and passwords on the command line never leave the machine.
    std::string launch;
    for (const std::string& argument : redact::arguments(StartupArguments::list())) launch += argument + " ";
    return redacted(launch);
}

std::string ReportError::installReportTool()
{
    std::lock_guard<std::mutex> guard(state().mutex);
    if (!state().toolWritten) {
        fileops::create_directory(fileops::dirname(toolPath));
        fileops::install_file(toolPath,
                              std::string(reinterpret_cast<const char*>(kwReportToolImage), kwReportToolImage_size),
                              0755);
        labelTool(toolPath);
        state().toolWritten = true;
    }
    return toolPath;
}

void ReportError::tryInstallReportTool()
{
    try {
        installReportTool();
    } catch (const error& failure) {
        Log(2, true) << "Error occured while trying to install error report utility: " << failure.text();
    } catch (const std::exception& failure) {
        Log(2, true) << "Error occured while trying to install error report utility: " << failure.what();
    } catch (...) {
        Log(2, true) << "Unknown error occured while trying to install error report utility.";
    }
}

std::string ReportError::document(const ErrorReportInfo& info)
{
    ReportState snapshot;
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        snapshot.installerVersion = state().installerVersion;
        snapshot.installerRevision = state().installerRevision;
        snapshot.sourceUrl = state().sourceUrl;
        snapshot.releasesInfo = state().releasesInfo;
        snapshot.componentsInfo = state().componentsInfo;
        snapshot.packagesInfo = state().packagesInfo;
        snapshot.message = state().message;
    }

    xmlbind::Document document;
    document.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
    TiXmlElement* root = new TiXmlElement("error");
    document.LinkEndChild(root);
    addTextElement(root, "source", "installer");
    addTextElement(root, "severity", info.severity == 0 ? "error" : "warning");
    addTextElement(root, "datetime", utcNow());
    xmlbind::addCData(addElement(root, "summary"), redacted(info.summary));
    addTextElement(root, "component", info.component);
    TiXmlElement* message = addElement(root, "message");
    xmlbind::setAttribute(message, "encoding", "base64");
    xmlbind::addText(message, base64Encode(redacted(snapshot.message), 76));

    TiXmlElement* additional = addElement(root, "additional_info");
    addTextElement(additional, "kw_version", snapshot.installerVersion);
    addTextElement(additional, "kw_revision", snapshot.installerRevision);
    addTextElement(additional, "kw_launch_string", getLaunchString());
    addTextElement(additional, "kw_source_url", redacted(snapshot.sourceUrl));
    if (!snapshot.releasesInfo.empty()) addTextElement(additional, "releases_info", redacted(snapshot.releasesInfo));
    if (info.userContinued == 0 || info.userContinued == 1)
        addTextElement(additional, "user_continued_installation", info.userContinued == 0 ? "true" : "false");
    if (info.packageMode != 3) {
        if (!info.packageOldVersion.empty())
            addTextElement(additional, "package_old_version", info.packageOldVersion);
        if (!info.packageNewVersion.empty())
            addTextElement(additional, "package_new_version", info.packageNewVersion);
        addTextElement(additional, "package_installation_mode",
                       info.packageMode == 0 ? "install" : info.packageMode == 1 ? "upgrade" : "remove");
    }
    if (!snapshot.componentsInfo.empty())
        addTextElement(additional, "components_info", redacted(snapshot.componentsInfo));
    if (!snapshot.packagesInfo.empty()) addTextElement(additional, "packages_info", redacted(snapshot.packagesInfo));
    const std::string ticket = readUpdateTicket();
    if (!ticket.empty()) addTextElement(additional, "update_ticket", ticket);

    TiXmlPrinter printer;
    printer.SetIndent("");
    printer.SetLineBreak("");
    document.Accept(&printer);
    return printer.Str();
}

void ReportError::sendReport(const ReportErrorStream&, const ErrorReportInfo& info)
{
    try {
        if (Feedback::mayReport() && !collectedMessage().empty()) {
            const std::string text = document(info);
            std::string command = installReportTool() + " install";
            std::string version;
            {
                std::lock_guard<std::mutex> guard(state().mutex);
                version = state().productVersion;
            }
            if (!version.empty()) command += " --version " + shellQuote(version);
            Log(3, true) << "DEBUG: sending an error report: " << command;
            executeInBackground(command, &text);
        }
    } catch (const error& failure) {
        Log(2, true) << "Error occured while trying to analyse error report: " << failure.text();
    } catch (const std::exception& failure) {
        Log(2, true) << "Error occured while trying to analyse error report: " << failure.what();
    } catch (...) {
        Log(2, true) << "Unknown error occured while trying to analyse error report.";
    }
    clearMessage();
}

std::string ReportError::collectedMessage()
{
    std::lock_guard<std::mutex> guard(state().mutex);
    return state().message;
}

void ReportError::clearMessage()
{
    std::lock_guard<std::mutex> guard(state().mutex);
    state().message.clear();
}

std::string ReportError::installerVersion()
{
    std::lock_guard<std::mutex> guard(state().mutex);
    return state().installerVersion;
}

std::string ReportError::installerRevision()
{
    std::lock_guard<std::mutex> guard(state().mutex);
    return state().installerRevision;
}

std::string ReportError::sourceUrl()
{
    std::lock_guard<std::mutex> guard(state().mutex);
    return state().sourceUrl;
}

std::string ReportError::productVersion()
{
    std::lock_guard<std::mutex> guard(state().mutex);
    return state().productVersion;
}

void ReportError::append(int level, const std::string& text)
{
    {
        std::lock_guard<std::mutex> guard(state().mutex);
        state().message += text;
    }
    // Logged outside the lock: the log may block on its file.
    if (level >= 0) Log(level, false) << text;
}

ReportErrorStream& ReportErrorStream::operator<<(std::ostream& (*manipulator)(std::ostream&))
{
    std::ostringstream text;
    text << manipulator;
    ReportError::append(level_, text.str());
    return *this;
}
