#include "installer/webui/CertificateGenerator.h"

#include "common/Messages.h"
#include "common/error.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>

namespace {

bool isDirectory(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

TEST(CertificateGenerator, PathBelowTheHomeDirectory)
{
    TempDir home;
    for (const std::string& given : {home.path(), home.path() + "/"}) {
        SCOPED_TRACE(given);
        const CertificateGenerator generator(given);
        EXPECT_EQ(generator.directory(), home.path() + "/.kitwright");
        EXPECT_TRUE(isDirectory(home.path() + "/.kitwright"));
    }
}

// An existing certificate is used as it is, never replaced.
TEST(CertificateGenerator, KeepsAnExistingCertificate)
{
    TempDir home;
    ASSERT_EQ(::mkdir((home.path() + "/.kitwright").c_str(), 0700), 0);
    const std::string pem = home.path() + "/.kitwright/kitwright.pem";
    std::ofstream(pem) << "-----BEGIN CERTIFICATE-----\n";

    const CertificateGenerator generator(home.path());
    EXPECT_EQ(generator.getCertificatePath(), pem);
    EXPECT_EQ(readFile(pem), "-----BEGIN CERTIFICATE-----\n");
}

TEST(CertificateGenerator, DirectoryThatCannotBeMadeIsAnError)
{
    TempDir home;
    const std::string plainFile = home.path() + "/file";
    std::ofstream(plainFile) << "not a directory\n";
    std::ofstream(home.path() + "/.kitwright") << "not a directory either\n";

    struct Case {
        const char* name;
        std::string home;
        std::string directory;
    };
    const Case cases[] = {
        {"home below a plain file", plainFile, plainFile + "/.kitwright"},
        {"a file where the directory belongs", home.path(), home.path() + "/.kitwright"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (const auto failure = expectError([&] { CertificateGenerator generator(c.home); })) {
            // The reason after the directory is the system's own text.
            const std::string named = (Messages::format("err_mkdir") % c.directory % "").str();
            EXPECT_EQ(failure->text().compare(0, named.size(), named), 0) << failure->text();
            EXPECT_EQ(failure->errorClass(), 4);
        }
    }
}
