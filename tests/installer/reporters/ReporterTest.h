#pragma once

#include "installer/options/OutputSettings.h"
#include "installer/reporters/Reporter.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

// What a reporter prints in either form. For its life it starts from text
// output and no status prefix, catches standard error, and then leaves the
// process-wide output settings as it found them.
class ReporterOutput {
public:
    ReporterOutput() : savedXml_(xmlOutput), savedPrefix_(statusPrefix), savedError_(std::cerr.rdbuf(error_.rdbuf()))
    {
        xmlOutput = false;
        statusPrefix.clear();
    }
    ~ReporterOutput()
    {
        std::cerr.rdbuf(savedError_);
        xmlOutput = savedXml_;
        statusPrefix = savedPrefix_;
    }
    ReporterOutput(const ReporterOutput&) = delete;
    ReporterOutput& operator=(const ReporterOutput&) = delete;

    // The answer in text form.
    static std::string text(const Reporter& reporter)
    {
        xmlOutput = false;
        std::ostringstream out;
        out << reporter;
        return out.str();
    }
    // The answer in XML form; what was written before a raised error is lost.
    static std::string xml(const Reporter& reporter)
    {
        xmlOutput = true;
        std::ostringstream out;
        try {
            out << reporter;
        } catch (...) {
            // Text output again for the test's next step; the caller sees the failure.
            xmlOutput = false;
            throw;
        }
        xmlOutput = false;
        return out.str();
    }

    // What went to standard error since the last call.
    std::string takeStandardError()
    {
        const std::string text = error_.str();
        error_.str(std::string());
        return text;
    }

    // The declaration every status document begins with.
    static constexpr const char* declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>";

private:
    bool savedXml_;
    std::string savedPrefix_;
    std::ostringstream error_;
    std::streambuf* savedError_;
};

class ReporterTest : public ::testing::Test, protected ReporterOutput {};
