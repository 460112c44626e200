#include "common/Log.h"

#include "common/Messages.h"

#include <ext/stdio_filebuf.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cassert>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>

std::recursive_mutex Log::mutex;
std::unique_ptr<std::ostream> Log::stream;
std::ostringstream Log::pending;
Log::ErrorsText Log::errors;
std::ostringstream* Log::capture = nullptr;
int Log::errorsLevel = 1;
int Log::fileLevel = 2;
int Log::consoleLevel = 0;
int Log::captureLevel = 0;
bool Log::lineStart = true;
int Log::depth = 0;
std::size_t Log::progressWidth = 0;
bool Log::interactive = false;
std::ostream* Log::console = &std::cerr;

namespace {

std::string openedFileName;

// The log file as a stream over a descriptor that commands started by the
// installer do not inherit.
class LogFileStream : public std::ostream {
public:
    explicit LogFileStream(int fd) : std::ostream(nullptr), buffer_(fd, std::ios::out)
    {
        if (fd < 0)
            setstate(std::ios::badbit);
        else
            rdbuf(&buffer_);
    }

private:
    __gnu_cxx::stdio_filebuf<char> buffer_;
};

// "[%Y-%m-%d %H:%M:%s] " with the seconds carrying microseconds.
std::string timeStampPrefix()
{
    struct timeval now;
    gettimeofday(&now, nullptr);
    struct tm local;
    localtime_r(&now.tv_sec, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &local);
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "[%s.%06ld] ", date, static_cast<long>(now.tv_usec));
    return prefix;
}

// Counts UTF-8 characters: every byte that is not a continuation byte.
std::size_t utf8Length(const char* data, std::size_t length)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < length; ++i)
        if ((static_cast<unsigned char>(data[i]) & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

Log::Log(int level, bool lineEnd) : Log(level, lineEnd ? modeLine : modeNoLineEnd) {}

Log::Log(int level, int mode) : level_(level), mode_(mode), lock_(mutex)
{
    if (level_ <= fileLevel && lineStart && mode_ != modeProgress) {
        const std::string prefix = timeStampPrefix();
        if (stream)
            *stream << prefix;
        else
            pending << prefix;
        lineStart = false;
        if (stream) {
            for (int i = 0; i < depth; ++i) *stream << '#';
            stream->flush();
        }
    }
}

Log::~Log()
{
    const bool progress = mode_ == modeProgress || mode_ == modeProgressLogged;
    const bool transient = progress && isProgressOutputAllowed();
    bool lineEnded = false;
    if (mode_ == modeLine || (mode_ == modeProgressLogged && !transient)) {
        write("\n");
        lineEnded = true;
    } else if (progress) {
        const std::size_t pad = progressWidth > column_ ? progressWidth - column_ : 0;
        progressWidth = column_;
        if (consoleAllowed()) {
            // Blank out the rest of the longer previous line, then return to the line start.
            const std::string erase = std::string(pad, ' ') + std::string(column_ + pad, '\b');
            toConsole(erase.data(), erase.size());
        }
        if (mode_ == modeProgressLogged) {
            dispatch("\n");
            lineEnded = true;
        }
    }
    if (lineEnded && level_ <= fileLevel) lineStart = true;
}

bool Log::consoleAllowed() const
{
    return level_ <= consoleLevel && (mode_ != modeProgress || isProgressOutputAllowed());
}

void Log::toConsole(const char* data, std::size_t length)
{
    if (console) {
        console->write(data, static_cast<std::streamsize>(length));
        console->flush();
    }
}

void Log::dispatch(const std::string& text)
{
    if (mode_ == modeProgress) return;
    if (level_ <= errorsLevel) errors.append(text);
    if (level_ <= fileLevel) {
        if (stream) {
            *stream << text;
            stream->flush();
        } else {
            pending << text;
        }
    }
    if (capture && level_ <= captureLevel) *capture << text;
}

void Log::write(const std::string& value)
{
    const std::string& text = value.empty() ? std::string("~empty") : value;
    if (consoleAllowed()) toConsole(text.data(), text.size());
    dispatch(text);
    column_ += utf8Length(text.data(), text.size());
}

void Log::writeRaw(const char* buffer, std::size_t length)
{
    if (level_ > fileLevel || length == 0) return;
    if (consoleAllowed()) toConsole(buffer, length);
    std::string filtered;
    filtered.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(buffer[i]);
        if (c == '\n' || (c >= 0x20 && c <= 0x7F)) filtered += static_cast<char>(c);
    }
    dispatch(filtered);
    column_ += utf8Length(filtered.data(), filtered.size());
}

Log& Log::operator<<(bool value)
{
    write(value ? "true" : "false");
    return *this;
}

Log& Log::operator<<(const std::vector<std::string>& items)
{
    for (const std::string& item : items) write(" '" + item + "'");
    return *this;
}

Log& Log::operator<<(std::ostream& (*manipulator)(std::ostream&))
{
    format_.str(std::string());
    manipulator(format_);
    if (!format_.str().empty()) write(format_.str());
    return *this;
}

Log& Log::operator<<(std::ios_base& (*manipulator)(std::ios_base&))
{
    manipulator(format_);
    return *this;
}

namespace {

// The log file's descriptor, or -1. No link is followed, and only a regular file
// of the installer's own user with one name is written: another user's file
// must neither be emptied nor learn the log's text, and a second name of some
// other file (a hard link) must not be written through.
int openLogDescriptor(const std::string& path, bool truncate, std::string* why)
{
    // O_NONBLOCK: a named pipe standing at the path must not block the open.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                          0600);
    if (fd < 0) {
        *why = std::strerror(errno);
        return -1;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() || info.st_nlink != 1) {
        *why = "not a regular file of user " + std::to_string(::geteuid()) + " with one name; left as it is";
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 || (truncate && ::ftruncate(fd, 0) != 0)) {
        *why = std::strerror(errno);
        ::close(fd);
        return -1;
    }
    // The web UI capture measures from the end.
    ::lseek(fd, 0, SEEK_END);
    return fd;
}

}  // namespace

bool Log::openFile(const std::string& path, bool truncate)
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    stream.reset();
    openedFileName = path;
    std::string why;
    const int fd = openLogDescriptor(path, truncate, &why);
    stream.reset(new LogFileStream(fd));
    *stream << pending.str();
    stream->flush();
    pending.str(std::string());
    pending.clear();
    if (fd < 0) Log(1, true) << "Warning: cannot open the log file " << path << ": " << why;
    return fd >= 0;
}

namespace {

// Where a tail of at most `size` bytes of `text` begins: at the first line start
// within the last `size` bytes, or at the cut when they hold none.
std::size_t tailStart(const std::string& text, std::size_t size)
{
    if (text.size() <= size) return 0;
    const std::size_t cut = text.size() - size;
    const std::size_t lineEnd = text.find('\n', cut - 1);
    return lineEnd != std::string::npos && lineEnd + 1 < text.size() ? lineEnd + 1 : cut;
}

}  // namespace

void Log::ErrorsText::append(const std::string& text)
{
    // Grows to twice the kept size before cutting, so that the bytes moved by the
    // cuts stay in proportion to the bytes appended.
    if (text.size() >= maxSize) {
        dropped_ += text_.size();
        text_.clear();
        text_.shrink_to_fit();
        const std::size_t start = tailStart(text, maxSize);
        dropped_ += start;
        text_.assign(text, start, std::string::npos);
        return;
    }
    text_ += text;
    if (text_.size() > 2 * maxSize) dropBefore(tailStart(text_, maxSize));
}

void Log::ErrorsText::dropBefore(std::size_t keptStart)
{
    if (keptStart == 0) return;
    dropped_ += keptStart;
    text_.erase(0, keptStart);
}

std::string Log::ErrorsText::str() const
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    const std::size_t start = tailStart(text_, maxSize);
    const std::size_t dropped = dropped_ + start;
    if (dropped == 0) return text_;
    return "Warning: " + std::to_string(dropped) +
           " bytes of earlier errors and warnings were dropped here; the log file has them all.\n" +
           text_.substr(start);
}

void Log::ErrorsText::clear()
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    text_.clear();
    text_.shrink_to_fit();
    dropped_ = 0;
}

std::string Log::fileName()
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    return openedFileName;
}

bool Log::isProgressOutputAllowed()
{
    if (!interactive) return false;
    static std::string cachedLocale;
    static bool cachedAnswer = false;
    static bool cached = false;
    std::lock_guard<std::recursive_mutex> guard(mutex);
    const std::string& locale = Messages::getLocale();
    if (!cached || locale != cachedLocale) {
        // Languages whose wide characters upset the backspace arithmetic never get transient lines.
        static const char* const allowed[] = {
            "C", "POSIX", "en_US", "ar", "ca_ES", "cs_CZ", "da_DK", "de_DE", "el_GR", "es_ES",
            "fi_FI", "fr_FR", "he_IL", "hu_HU", "id_ID", "it_IT", "ms_MY", "nb_NO", "nl_NL", "pl_PL",
            "pt_BR", "pt_PT", "ro_RO", "ru_RU", "sv_SE", "tl_PH", "tr_TR", "uk_UA", "vi_VN"};
        const std::string language = locale.substr(0, locale.find('.'));
        cachedAnswer = false;
        for (const char* name : allowed)
            if (language == name) cachedAnswer = true;
        cachedLocale = locale;
        cached = true;
    }
    return cachedAnswer;
}

Log::ConsoleMessages::ConsoleMessages()
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    assert(Log::stream && "Log::stream");
    delete capture;
    capture = new std::ostringstream;
    startPosition_ = static_cast<std::streamoff>(Log::stream->tellp());
}

Log::ConsoleMessages::~ConsoleMessages()
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    delete capture;
    capture = nullptr;
}

std::string Log::ConsoleMessages::getText(std::size_t* delta)
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    std::string text = capture ? capture->str() : std::string();
    if (text.size() > maxTextSize) text.resize(maxTextSize);
    *delta = text.size();
    return text;
}

std::string Log::ConsoleMessages::getNewLines(std::size_t* delta)
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    const std::string text = capture ? capture->str() : std::string();
    const std::string::size_type lastNewline = text.rfind('\n');
    if (lastNewline == std::string::npos || lastNewline < *delta) return std::string();
    std::string lines = text.substr(*delta, lastNewline + 1 - *delta);
    *delta = lastNewline + 1;
    return lines;
}

std::string Log::ConsoleMessages::get_log(std::size_t bytes)
{
    std::lock_guard<std::recursive_mutex> guard(mutex);
    assert(Log::stream && "Log::stream");
    const std::streamoff end = static_cast<std::streamoff>(Log::stream->tellp());
    std::ifstream in(openedFileName);
    if (!in) return std::string();
    if (end - startPosition_ > static_cast<std::streamoff>(bytes)) {
        in.seekg(end - static_cast<std::streamoff>(bytes));
        // Begin at a line start: skip the rest of a cut line, but not more than 300 characters.
        in.ignore(300, '\n');
    } else {
        in.seekg(startPosition_);
    }
    std::ostringstream rest;
    rest << in.rdbuf();
    return rest.str();
}
