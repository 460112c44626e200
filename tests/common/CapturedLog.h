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
