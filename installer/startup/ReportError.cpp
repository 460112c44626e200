#include "installer/startup/ReportError.h"

#include "common/Log.h"

namespace {

struct ReportState {
    std::mutex mutex;
    std::string installerVersion;
    std::string installerRevision;
    std::string sourceUrl;
    std::string productId;
    std::string productVersion;
    std::string message;
};

ReportState& state()
{
    static ReportState instance;
    return instance;
}

}  // namespace

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
    std::lock_guard<std::mutex> guard(state().mutex);
    state().productId = productId;
    state().productVersion = version;
}

ReportErrorStream ReportError::stream(int level)
{
    return ReportErrorStream(level);
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

std::string ReportError::productId()
{
    std::lock_guard<std::mutex> guard(state().mutex);
    return state().productId;
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
