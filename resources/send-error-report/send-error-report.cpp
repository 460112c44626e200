// The error-report sending tool. The installer writes it out from its own image
// and starts it in the background as "send-error-report install [--version V]"
// with the XML report on standard input. It delivers the report to the feedback
// endpoint fixed when it was built and tells nobody the result: the installer
// neither waits for it nor reads its exit code.
//
// Built with KW_REPORT_TOOL_RECORDER it is the tests' recorder instead: it hands
// its arguments and input to whoever listens on the path in KW_REPORT_RECORD.

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifndef KW_REPORT_TOOL_RECORDER
#include <curl/curl.h>
#endif

namespace {

// A report is a few kilobytes; anything far beyond that is not one.
constexpr std::size_t kMaxReport = 16 * 1024 * 1024;

bool readInput(std::string& input)
{
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(0, buffer, sizeof buffer);
        if (count < 0) return false;
        if (count == 0) return true;
        input.append(buffer, static_cast<std::size_t>(count));
        if (input.size() > kMaxReport) return false;
    }
}

#ifdef KW_REPORT_TOOL_RECORDER

// The record: each argument on a line of its own, an empty line, the input.
int record(int argc, char** argv, const std::string& input)
{
    const char* path = std::getenv("KW_REPORT_RECORD");
    if (!path || !*path) return 0;
    std::string text;
    for (int at = 1; at < argc; ++at) text += std::string(argv[at]) + "\n";
    text += "\n" + input;
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return 1;
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t step = ::write(fd, text.data() + written, text.size() - written);
        if (step <= 0) break;
        written += static_cast<std::size_t>(step);
    }
    ::close(fd);
    return written == text.size() ? 0 : 1;
}

#else

std::size_t ignoreBody(char*, std::size_t size, std::size_t count, void*) { return size * count; }

std::string escaped(CURL* curl, const std::string& text)
{
    char* escapedText = curl_easy_escape(curl, text.c_str(), static_cast<int>(text.size()));
    const std::string result = escapedText ? escapedText : "";
    curl_free(escapedText);
    return result;
}

int send(const std::string& action, const std::string& version, const std::string& document)
{
    const std::string endpoint = KW_REPORT_ENDPOINT;
    if (endpoint.empty()) return 0;  // a build that sends nowhere
    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return 1;
    CURL* curl = curl_easy_init();
    if (!curl) return 1;
    std::string url = endpoint + "?action=" + escaped(curl, action);
    if (!version.empty()) url += "&version=" + escaped(curl, version);
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: text/xml; charset=UTF-8");
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    // Only HTTPS, verified, also after a redirect: the report holds the system's details.
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, document.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(document.size()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, ignoreBody);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 120L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    const CURLcode result = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    curl_global_cleanup();
    return result == CURLE_OK && status >= 200 && status < 300 ? 0 : 1;
}

#endif

}  // namespace

int main(int argc, char** argv)
{
    std::string input;
    if (!readInput(input)) return 1;
#ifdef KW_REPORT_TOOL_RECORDER
    return record(argc, argv, input);
#else
    if (argc < 2) return 2;
    std::string version;
    for (int at = 2; at + 1 < argc; ++at) {
        if (std::string(argv[at]) == "--version") version = argv[at + 1];
    }
    return send(argv[1], version, input);
#endif
}
