#pragma once

#include "common/Messages.h"
#include "common/Opsys.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/wizard/TextDialog.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TempDir.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

// Every options test gets a private home directory, none of the environment
// variables the options read, text output and cleared process-wide switches, and
// leaves the process-wide values as it found them.
class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Options::homeOverride = home_.path();
        for (const char* name : {"WEB_SECRET", "XDG_CONFIG_HOME", "ZARNI_INSTALLER_DEBUG", "KW_WEB_UI_DEFAULT_PAGE_OVERRIDE"})
            environment_.push_back(std::make_unique<ScopedEnvironment>(name));
        clearProcessWideValues();
    }
    void TearDown() override
    {
        Options::homeOverride.clear();
        environment_.clear();
        clearProcessWideValues();
    }

    const std::string& home() const { return home_.path(); }

    // Writes a file below the home directory, with the directories it needs.
    void writeHomeFile(const std::string& relative, const std::string& content) const
    {
        const boost::filesystem::path path = boost::filesystem::path(home()) / relative;
        boost::filesystem::create_directories(path.parent_path());
        std::ofstream(path.string(), std::ios::binary) << content;
    }

    // The whole construction from a command line (the program path is added).
    static std::unique_ptr<Options> build(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> commandLine = {"kitwright"};
        commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
        return std::make_unique<Options>(commandLine);
    }

private:
    static void clearProcessWideValues()
    {
        xmlOutput = false;
        statusPrefix.clear();
        TextDialog::noClear = false;
        for (std::string* text : {&Opsys::overrideName, &Opsys::overrideVendor, &Opsys::overrideVersion,
                                  &Opsys::overrideArch, &Opsys::overrideEnvironment})
            text->clear();
    }

    TempDir home_;
    std::vector<std::unique_ptr<ScopedEnvironment>> environment_;
};

// The text of the conflict error naming the two options.
inline std::string overrideText(const std::string& option, const std::string& earlier)
{
    return (Messages::format("err_cmd_override") % option % earlier).str() + "\n";
}

// A list as one comma-separated text, for comparisons that read well.
inline std::string joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
    return text;
}
