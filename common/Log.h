#pragma once

#include <cstddef>
#include <ostream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

// One log statement: created with a level and a mode, fed like a stream, and
// finished (line ended) when it is destroyed. Every piece of text goes at once to
// up to four destinations, each with its own level threshold: the console
// (standard error), the errors buffer, the log file (or the pending buffer before
// the file is open) and the web UI capture.
//
// Levels: 0 operator text, 1 error or warning, 2 information, 3 debug.
// A statement holds Log::mutex from construction to destruction: compute values
// first, never wait on another thread or run a command inside a statement.
class Log {
public:
    enum Mode {
        modeNoLineEnd = 0,       // the next statement continues the line
        modeLine = 1,            // ends with a newline
        modeProgress = 2,        // transient console line, nowhere else
        modeProgressLogged = 3,  // transient on the console, a line in the other destinations
    };

    Log(int level, bool lineEnd);
    Log(int level, int mode);
    ~Log();
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    template <class T>
    Log& operator<<(const T& value)
    {
        format_.str(std::string());
        format_ << value;
        write(format_.str());
        return *this;
    }
    Log& operator<<(bool value);
    Log& operator<<(const std::vector<std::string>& items);
    Log& operator<<(std::ostream& (*manipulator)(std::ostream&));
    Log& operator<<(std::ios_base& (*manipulator)(std::ios_base&));

    void write(const std::string& text);
    // Output of external commands: the console gets the bytes as they are, the
    // other destinations only newlines and printable ASCII.
    void writeRaw(const char* buffer, std::size_t length);

    // Opens the log file (mode 0600 when created) and writes the pending text into
    // it first. No link is followed, and only a regular file of the process's own
    // user with one name is used (and emptied when `truncate`): another user's
    // file is left untouched. Returns whether the file could be opened; when it
    // could not, file text is lost while the other destinations go on.
    static bool openFile(const std::string& path, bool truncate);
    static std::string fileName();
    static bool isProgressOutputAllowed();

    // The web UI's view of the console text and of the log file since it began.
    class ConsoleMessages {
    public:
        ConsoleMessages();
        ~ConsoleMessages();
        ConsoleMessages(const ConsoleMessages&) = delete;
        ConsoleMessages& operator=(const ConsoleMessages&) = delete;

        std::string getText(std::size_t* delta);
        std::string getNewLines(std::size_t* delta);
        std::string get_log(std::size_t bytes);

        static constexpr std::size_t maxTextSize = 262144;

    private:
        std::streamoff startPosition_;
    };

    // The text of every statement at errorsLevel or below, for the notice at the
    // end of a run. Only a tail of about maxSize bytes is kept, from a line start
    // and led by a line that says how much was dropped: commands may write
    // megabytes of error output, and the text lives as long as the process.
    class ErrorsText {
    public:
        static constexpr std::size_t maxSize = std::size_t(1) << 20;
        void append(const std::string& text);
        std::string str() const;
        void clear();

    private:
        void dropBefore(std::size_t keptStart);

        std::string text_;
        std::size_t dropped_ = 0;
    };

    // Process-wide state, alive until exit.
    static std::recursive_mutex mutex;
    static std::unique_ptr<std::ostream> stream;
    static std::ostringstream pending;
    static ErrorsText errors;
    static std::ostringstream* capture;
    static int errorsLevel;
    static int fileLevel;
    static int consoleLevel;
    static int captureLevel;
    static bool lineStart;
    static int depth;
    static std::size_t progressWidth;
    static bool interactive;
    // Where console text goes; standard error unless a test replaces it.
    static std::ostream* console;

private:
    void toConsole(const char* data, std::size_t length);
    void dispatch(const std::string& text);
    bool consoleAllowed() const;

    int level_;
    int mode_;
    std::size_t column_ = 0;
    std::ostringstream format_;
    std::unique_lock<std::recursive_mutex> lock_;
};
