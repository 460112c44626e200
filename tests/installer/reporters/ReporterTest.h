#pragma once

#include "installer/options/OutputSettings.h"
#include "installer/reporters/Reporter.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

// What a reporter prints in either form: every reporter test starts from text
// output and no status prefix, catches standard error, and leaves the
// process-wide output settings as it found them.
class ReporterTest : public ::testing::Test {
protected:
    ReporterTest() : savedXml_(xmlOutput), savedPrefix_(statusPrefix), savedError_(std::cerr.rdbuf(error_.rdbuf()))
    {
        xmlOutput = false;
        statusPrefix.clear();
    }
    ~ReporterTest() override
    {
        std::cerr.rdbuf(savedError_);
        xmlOutput = savedXml_;
        statusPrefix = savedPrefix_;
    }

    // The answer in text form.
    static std::string text(const Reporter& reporter)
    {
        xmlOutput = false;
        std::ostringstream out;
        out << reporter;
        return out.str();
    }
    // The answer in XML form.
    static std::string xml(const Reporter& reporter)
    {
        xmlOutput = true;
        std::ostringstream out;
        out << reporter;
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
