#pragma once

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Messages.h"

#include <ostream>
#include <sstream>
#include <string>

// Collects what the log shows on the console, at every level up to `level`, for
// the life of the object.
class CapturedLog {
public:
    explicit CapturedLog(int level = 3) : console_(Log::console), level_(Log::consoleLevel)
    {
        // The catalogue logs its start-up (the locale it chose) on first use; that
        // belongs to no test's capture.
        Messages::getLocale();
        Log::console = &text_;
        Log::consoleLevel = level;
    }
    ~CapturedLog()
    {
        Log::console = console_;
        Log::consoleLevel = level_;
    }
    CapturedLog(const CapturedLog&) = delete;
    CapturedLog& operator=(const CapturedLog&) = delete;

    std::string text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::ostream* console_;
    int level_;
};

// Collects the lines the log writes to its other destinations (the log file and
// the web UI capture get the same text), up to `level`, for the life of the
// object. Transient progress lines never reach them.
class CapturedLogLines {
public:
    explicit CapturedLogLines(int level = 3) : capture_(Log::capture), level_(Log::captureLevel)
    {
        Messages::getLocale();
        Log::capture = &text_;
        Log::captureLevel = level;
    }
    ~CapturedLogLines()
    {
        Log::capture = capture_;
        Log::captureLevel = level_;
    }
    CapturedLogLines(const CapturedLogLines&) = delete;
    CapturedLogLines& operator=(const CapturedLogLines&) = delete;

    std::string text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::ostringstream* capture_;
    int level_;
};
