#include "installer/sources/SourceZarni.h"

#include "installer/options/Options.h"
#include "installer/sources/SourceZarniApt.h"
#include "installer/sources/SourceZarniYum.h"

#include "common/md5.h"
#include "common/packages/RPMPackage.h"
#include "common/packages/Repository.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/sources/ProductBuilds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

// The options the source lines read, put back after each test.
class SourceLines : public ::testing::Test {
protected:
    SourceLines() : savedSource_(processOptions().source), savedSkip_(processOptions().skipGpgCheck) {}
    ~SourceLines() override
    {
        processOptions().source = savedSource_;
        processOptions().skipGpgCheck = savedSkip_;
    }

    void useSource(const std::string& location, bool skipGpgCheck = false)
    {
        processOptions().source = SourceUrl(location);
        processOptions().skipGpgCheck = skipGpgCheck;
    }

    TempDir target;
    Repository repository;

private:
    SourceUrl savedSource_;
    bool savedSkip_;
};

}  // namespace

// A build with its own, thirdparty and extras repositories: the exact stanzas,
// with the ids and names the file gives or the build's own with the kind word.
TEST_F(SourceLines, YumStanzasOfTheThreeRepositories)
{
    useSource("https://updates.zarni.example/catalogue/");
    const FileFetcher fetcher(processOptions().source, target.path());
    const BuildPtr build = loadedBuild("three-repositories.build.inf3");
    const SourceZarniYum own(&repository, fetcher, build, 'b');
    const SourceZarniYum thirdparty(&repository, fetcher, build, 't');
    const SourceZarniYum extras(&repository, fetcher, build, 'x');

    EXPECT_EQ(own.getSourceLine(), "[zarni-2.0]\n"
                                   "name=Zarni 2.0\n"
                                   "baseurl=https://updates.zarni.example/catalogue/zarni/2.0/redhat-9/2.0/\n"
                                   "enabled=1\n"
                                   "gpgcheck=1");
    EXPECT_EQ(thirdparty.getSourceLine(),
              "[zarni-tp]\n"
              "name=Zarni 2.0 thirdparty\n"
              "baseurl=https://updates.zarni.example/catalogue/zarni/2.0/thirdparty/redhat-9/\n"
              "enabled=1\n"
              "gpgcheck=1");
    // The extras repository is not persistent: enabled only by name, in the
    // installer's own commands.
    EXPECT_EQ(extras.getSourceLine(), "[zarni-2.0-extras]\n"
                                      "name=Zarni 2.0 extras\n"
                                      "baseurl=https://updates.zarni.example/catalogue/zarni/2.0/extras/redhat-9/\n"
                                      "enabled=0\n"
                                      "gpgcheck=1");
    EXPECT_EQ(own.name(), "ZarniSource_b_zarni-2.0");
    EXPECT_EQ(extras.name(), "ZarniSource_x_zarni-2.0");
    EXPECT_TRUE(own.isRemote());
}

// Without ids in the file the release id stands in; a local source becomes a
// file URL; skipping signature checks turns them off in every stanza.
TEST_F(SourceLines, YumStanzaOfABareBuildFromALocalSource)
{
    useSource("/srv/mirror/", true);
    const FileFetcher fetcher(processOptions().source, target.path());
    const SourceZarniYum thirdparty(&repository, fetcher, loadedBuild("bare.build.inf3"), 't');
    EXPECT_EQ(thirdparty.getSourceLine(), "[zarni-2.1-thirdparty]\n"
                                          "name=zarni-2.1 thirdparty\n"
                                          "baseurl=file:///srv/mirror/zarni/2.0/thirdparty/redhat-9/\n"
                                          "enabled=0\n"
                                          "gpgcheck=0");
    const SourceZarniYum own(&repository, fetcher, loadedBuild("three-repositories.build.inf3"), 'b');
    EXPECT_THAT(own.getSourceLine(), HasSubstr("\ngpgcheck=0"));
}

// The APT line: the keyring apt checks the repository with, the location up to
// where the source text's path begins, the catalogue directory and the text.
TEST_F(SourceLines, AptLines)
{
    struct Case {
        const char* name;
        const char* location;
        bool skipGpgCheck;
        bool persistent;
        const char* expected;
    };
    const Case cases[] = {
        {"network directory", "https://updates.zarni.example/catalogue/", false, false,
         "deb [signed-by=/etc/apt/keyrings/zarni.gpg] https://updates.zarni.example/catalogue/zarni/"
         "debian-12/2.0 bookworm main"},
        {"catalogue file named, cut where the text's path starts",
         "https://updates.zarni.example/mirror/2.0/products.inf3", false, false,
         "deb [signed-by=/etc/apt/keyrings/zarni.gpg] https://updates.zarni.example/mirror/zarni/"
         "debian-12/2.0 bookworm main"},
        {"local directory", "/srv/mirror/", false, true,
         "deb [signed-by=/etc/apt/keyrings/zarni.gpg] file:///srv/mirror/zarni/"
         "debian-12/2.0-updates bookworm main"},
        {"signature checks skipped", "https://updates.zarni.example/catalogue/", true, false,
         "deb [trusted=yes] https://updates.zarni.example/catalogue/zarni/debian-12/2.0 bookworm main"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useSource(c.location, c.skipGpgCheck);
        const FileFetcher fetcher(processOptions().source, target.path());
        const BuildPtr build = loadedBuild("three-repositories.build.inf3");
        const std::string text = c.persistent ? build->buildInfFile()->persistent_apt_source
                                              : build->buildInfFile()->apt_source;
        const SourceZarniApt source(&repository, fetcher, build, 'b', text, c.persistent);
        EXPECT_EQ(source.getSourceLine(), c.expected);
        EXPECT_EQ(source.isPersistent(), c.persistent);
    }
}

// Texts that would end their line and start another are refused, and so is a
// repository id outside "A-Za-z0-9._:-".
TEST_F(SourceLines, InjectionRefused)
{
    useSource("https://updates.zarni.example/catalogue/");
    const FileFetcher fetcher(processOptions().source, target.path());
    struct Case {
        const char* name;
        void (*spoil)(BuildInfFile&);
        bool apt;
    };
    const Case cases[] = {
        {"id with a line feed", [](BuildInfFile& f) { f.build_repo.yum_repo_id = "zarni\n[evil]"; }, false},
        {"id with a blank", [](BuildInfFile& f) { f.build_repo.yum_repo_id = "zarni 2"; }, false},
        {"id with a bracket", [](BuildInfFile& f) { f.build_repo.yum_repo_id = "zarni]"; }, false},
        {"name with a carriage return", [](BuildInfFile& f) { f.build_repo.yum_repo_name = "Zarni\rgpgcheck=0"; },
         false},
        {"directory with a NUL", [](BuildInfFile& f) { f.build_repo.dir = std::string("redhat-9\0x", 10); }, false},
        {"APT text with a line feed", [](BuildInfFile& f) { f.apt_source = "d main\ndeb http://evil/ x"; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BuildPtr build = loadedBuild("three-repositories.build.inf3");
        c.spoil(*build->buildInfFile());
        const auto made = expectError([&] {
            if (c.apt)
                SourceZarniApt(&repository, fetcher, build, 'b', build->buildInfFile()->apt_source, false);
            else
                SourceZarniYum(&repository, fetcher, build, 'b');
        });
        if (made) {
            expectCodes(*made, {1, 1, 1, 3});
            EXPECT_THAT(made->text(), HasSubstr("zarni/2.0/build.inf3"));
        }
    }
    EXPECT_TRUE(repository.getSources().empty());
}

// Kinds and empty texts that the source manager never hands over are internal
// errors, not empty configuration.
TEST_F(SourceLines, InconsistentSourcesRaise)
{
    useSource("https://updates.zarni.example/catalogue/");
    const FileFetcher fetcher(processOptions().source, target.path());
    const BuildPtr build = loadedBuild("bare.build.inf3");
    for (const char kind : {'q', 'x'}) {
        SCOPED_TRACE(kind);
        if (const auto made = expectError([&] { SourceZarniYum(&repository, fetcher, build, kind); })) {
            EXPECT_EQ(made->errorClass(), 3);
        }
    }
    if (const auto made = expectError([&] { SourceZarniApt(&repository, fetcher, build, 'b', "", false); })) {
        EXPECT_EQ(made->errorClass(), 3);
    }
}

// An RPM package is fetched below the repository's directory and checked
// against its digest; an empty one is not fetched.
TEST_F(SourceLines, DownloadsRpmPackagesOfTheRepository)
{
    TempDir mirror;
    const std::string directory = mirror.path() + "/zarni/2.0/redhat-9/2.0";
    writeFileWithDirectories(directory + "/zarni-base-2.0.0-1.x86_64.rpm", "package bytes");
    useSource(mirror.path());
    const FileFetcher fetcher(processOptions().source, target.path());
    SourceZarniYum source(&repository, fetcher, loadedBuild("three-repositories.build.inf3"), 'b');

    RPMPackage package("zarni-base", "2.0.0-1");
    package.setFileName("zarni-base-2.0.0-1.x86_64.rpm");
    package.setSize(13);
    package.setMD5("0123456789abcdef0123456789abcdef");
    if (const auto failed = expectError([&] { source.downloadPackage(&package); })) {
        EXPECT_THAT(failed->text(), HasSubstr("zarni-base-2.0.0-1.x86_64.rpm"));
    }

    package.setMD5(md5String("package bytes").c_str());
    source.downloadPackage(&package);
    EXPECT_EQ(package.getFileName(), directory + "/zarni-base-2.0.0-1.x86_64.rpm");

    RPMPackage empty("zarni-empty", "2.0.0-1");
    empty.setFileName("zarni-empty-2.0.0-1.x86_64.rpm");
    source.downloadPackage(&empty);
    EXPECT_EQ(empty.getFileName(), "zarni-empty-2.0.0-1.x86_64.rpm");
}
