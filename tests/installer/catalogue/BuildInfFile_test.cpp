#include "installer/catalogue/BuildInfFile.h"

#include "common/Opsys.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/Package.h"
#include "common/StringUtils.h"
#include "tests/common/CapturedLog.h"
#include "tests/common/ErrorExpectations.h"
#include "tests/common/TempDir.h"
#include "tests/common/TestFiles.h"
#include "tests/installer/catalogue/CatalogueFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tinyxml.h>

#include <fstream>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

namespace {

std::vector<std::string> names(const std::vector<Package*>& packages)
{
    std::vector<std::string> result;
    for (const Package* package : packages) result.push_back(package->getName());
    return result;
}

const std::string head = "<build os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" os_arch=\"x86_64\" "
                         "environment=\"\" build_dir=\"d\"";
const std::string product = "<product id=\"zarni\"><keypackages><keypackage>zarni-base</keypackage></keypackages>"
                            "<release id=\"r\" name=\"R\" version=\"1.0\" upgrade_allowed_from=\"0\"/></product>";
const std::string baseComponent =
    "<component name=\"base\" description=\"Base\"><keypackages><keypackage name=\"zarni-base\"/></keypackages>"
    "</component>";

std::string package(const std::string& name, const std::string& file = "")
{
    return "<package name=\"" + name + "\" version=\"1.0\" release=\"1\" arch=\"amd64\" file=\"" +
           (file.empty() ? name + "_1.0-1_amd64.deb" : file) +
           "\" md5=\"0123456789abcdef0123456789abcdef\" buildtime=\"1\" size=\"1\"/>";
}

// A build information file written for one test.
class WrittenFile {
public:
    explicit WrittenFile(const std::string& content) : path_(directory_.path() + "/x.build.inf3")
    {
        std::ofstream(path_) << content;
    }
    const std::string& path() const { return path_; }
    std::unique_ptr<BuildInfFile> read() const { return std::make_unique<BuildInfFile>(path_, "p/x.build.inf3"); }

private:
    TempDir directory_;
    std::string path_;
};

}  // namespace

// Every part of the demo's Debian 12 build, as the loader and the source manager
// read it.
TEST(BuildInfFile, ReadsTheDemoBuild)
{
    const std::string path = demoCatalogueDirectory() + "/zarni/1.1/debian-12.build.inf3";
    CapturedLog log(3);
    const BuildInfFile file(path, "zarni/1.1/debian-12.build.inf3");

    EXPECT_EQ(file.config, "zarni/1.1/debian-12.build.inf3");
    EXPECT_EQ(file.product_id, "zarni");
    EXPECT_EQ(file.keypackage_sets, std::vector<std::vector<std::string>>{{"zarni-base"}});
    EXPECT_EQ(file.release_id, "zarni-1.1");
    EXPECT_EQ(file.release_name, "Zarni 1.1");
    EXPECT_EQ(file.release_codename, "Birch");
    EXPECT_EQ(file.release_version, "1.1.0");
    EXPECT_EQ(file.upgrade_allowed_from, "1.0.0");
    EXPECT_EQ(file.os_vendor, "Debian");
    EXPECT_EQ(file.os_version, "12");
    EXPECT_EQ(file.os_release_name, "bookworm");
    EXPECT_EQ(file.apt_source, "");
    EXPECT_EQ(file.persistent_apt_source, "debian-12/1.1 bookworm main");
    EXPECT_TRUE(file.send_feedback);
    EXPECT_TRUE(file.uninstall_support);
    EXPECT_EQ(file.gpgcheck, Opsys().isDebian());
    EXPECT_EQ(file.build_repo.dir, "debian-12/1.1");
    EXPECT_EQ(file.thirdparty_repo.dir, "thirdparty/debian-12");
    EXPECT_THAT(names(file.thirdparty_packages), ElementsAre("libzarni-sso"));
    EXPECT_EQ(file.thirdparty_packages[0]->getType(), Package::typeThirdparty);
    EXPECT_THAT(names(file.bootstrapper_packages), ElementsAre("zarni-bootstrap"));
    ASSERT_TRUE(file.bootstrapper);
    EXPECT_EQ(file.bootstrapper->ValueStr(), "bootstrapper");
    EXPECT_THAT(file.preferred_packages, ElementsAre("zarni-php83"));
    EXPECT_THAT(file.removable_packages, ElementsAre("zarni-legacy-panel"));
    EXPECT_THAT(file.force_remove_packages, ElementsAre("zarni-old-agent"));
    ASSERT_EQ(file.examines.size(), 1u);
    EXPECT_EQ(file.examines[0].script, "examine/disk-space.sh");
    EXPECT_TRUE(file.examines[0].always);

    std::vector<std::string> components;
    for (const auto& component : file.components) components.push_back(component->name);
    EXPECT_THAT(components, ElementsAre("base", "web", "mail-postfix", "mail-exim", "dns", "php82", "php83"));
    const BuildInfFile::component_t& web = *file.components[1];
    EXPECT_THAT(web.requires, ElementsAre("base"));
    EXPECT_THAT(names(web.packages), ElementsAre("zarni-web"));
    EXPECT_EQ(web.packages[0]->getType(), Package::typeBuild);
    EXPECT_EQ(web.packages[0]->getFileName(), "zarni-web_1.1.0-1_amd64.deb");
    EXPECT_TRUE(web.bootstrapper);
    EXPECT_THAT(file.components[2]->conflicts, ElementsAre("mail-exim"));

    ASSERT_EQ(file.inst_types.size(), 2u);
    EXPECT_EQ(file.inst_types[1].name, "Minimal,Core");
    EXPECT_THAT(file.inst_types[0].components, ElementsAre("base", "web", "mail-postfix"));

    ASSERT_EQ(file.groups.size(), 2u);
    EXPECT_TRUE(file.groups[0].radio);
    EXPECT_EQ(file.groups[0].default_component, "mail-postfix");
    EXPECT_THAT(file.groups[0].components, ElementsAre("mail-postfix", "mail-exim"));
    EXPECT_FALSE(file.groups[1].radio);
    ASSERT_EQ(file.groups[1].subgroups.size(), 1u);
    EXPECT_THAT(file.groups[1].subgroups[0].components, ElementsAre("php82", "php83"));

    EXPECT_THAT(log.text(), HasSubstr("No extra section in this build"));
}

TEST(BuildInfFile, ComponentAttributes)
{
    const WrittenFile written(
        head + ">" + product +
        "<component name=\"c\" description=\"\" uninstall_support=\"no\" hidden=\"yes\" show_installed_hidden=\"true\""
        " deny_implicit_removal=\"true\" classes=\"aspect=panel, role=web\" environment=\"cq\">"
        "<keypackages><keypackage name=\"a\"/><nokeypackage name=\"b\"/><keyprovide name=\"libc.so.6()(64bit)\"/>"
        "</keypackages><expackages><expackage name=\"x\"/><expackage/></expackages>"
        "<rmpackages><rmpackage name=\"y\"/></rmpackages><eztemplate name=\"t\"/>"
        "<hardwired_with>h</hardwired_with><requires/><conflicts>k</conflicts>"
        "<package name=\"p1\" version=\"1\" release=\"1\" arch=\"amd64\" file=\"p1.deb\" md5=\"0123456789abcdef0123456789abcdef\" buildtime=\"1\" size=\"1\"><settings id=\"first\"/></package>"
        "<package name=\"p2\" version=\"1\" release=\"1\" arch=\"amd64\" file=\"p2.deb\" md5=\"0123456789abcdef0123456789abcdef\" buildtime=\"1\" size=\"1\"><settings id=\"second\"/></package>"
        "<examine scope=\"post\" name=\"e\" script=\"s.sh\" launcher=\"/bin/sh\" options=\"-x\"/>"
        "<examine scope=\"post_any\" name=\"root\" script=\"/checks/r.sh\"/>"
        "</component><component name=\"off\" description=\"d\" uninstall_support=\"false\">"
        "<keypackages><keypackage name=\"o\"/></keypackages></component></build>");
    const auto file = written.read();
    ASSERT_EQ(file->components.size(), 2u);
    const BuildInfFile::component_t& c = *file->components[0];
    EXPECT_EQ(c.description, "c (description empty)");
    EXPECT_TRUE(c.uninstall_support);
    EXPECT_FALSE(c.hidden);
    EXPECT_TRUE(c.show_installed_hidden);
    EXPECT_TRUE(c.deny_implicit_removal);
    EXPECT_EQ(c.environment, "cq");
    EXPECT_THAT(c.classes, ElementsAre("aspect=panel", "role=web"));
    ASSERT_EQ(c.keypackage_groups.size(), 1u);
    EXPECT_THAT(c.keypackage_groups[0].nokeypackages, ElementsAre("b"));
    EXPECT_THAT(c.keypackage_groups[0].keyprovides, ElementsAre("libc.so.6()(64bit)"));
    EXPECT_THAT(c.expackages, ElementsAre("x", ""));
    EXPECT_THAT(c.rmpackages, ElementsAre("y"));
    EXPECT_THAT(c.eztemplates, ElementsAre("t"));
    EXPECT_THAT(c.hardwired_with, ElementsAre("h"));
    EXPECT_TRUE(c.requires.empty());
    ASSERT_TRUE(c.settings);
    EXPECT_EQ(*c.settings->Attribute(std::string("id")), "second");
    ASSERT_EQ(c.examines.size(), 2u);
    EXPECT_EQ(c.examines[0].launcher, "/bin/sh");
    // A leading "/" names the source root, not the system's.
    EXPECT_EQ(c.examines[1].script, "/checks/r.sh");
    EXPECT_FALSE(c.examines[0].always);
    EXPECT_FALSE(file->components[1]->uninstall_support);
}

TEST(BuildInfFile, IncludeOnlyAndEmptyComponents)
{
    const WrittenFile include(head + ">" + product + "<include config=\"more/other.build.inf3\"/></build>");
    const auto file = include.read();
    ASSERT_EQ(file->components.size(), 1u);
    EXPECT_EQ(file->components[0]->name, BuildInfFile::includeName);
    EXPECT_EQ(file->components[0]->description, "more/other.build.inf3");

    const WrittenFile empty(head + ">" + product + "<component name=\"bare\" description=\"d\"/></build>");
    CapturedLog log(0);
    expectError([&] { empty.read(); }, {1, 1, 1, 3},
                "The list of product components was not found in the file p/x.build.inf3\n");
    EXPECT_THAT(log.text(), HasSubstr("Warning: component bare have no build or keypackages, ignore."));
}

TEST(BuildInfFile, Refusals)
{
    struct Case {
        const char* name;
        std::string content;
        ErrorCodes codes;
        std::string text;  // "F" stands for the local file
    };
    const Case cases[] = {
        {"not XML", "<build", {1, 1, 1, 3}, "Syntax error in file F:\n"},
        {"wrong root", "<builds/>", {1, 1, 1, 3}, "The root element is named incorrectly in the file F\n"},
        {"no product", head + ">" + baseComponent + "</build>", {1, 1, 1, 3},
         "Can't parse F: There is no child element 'product' in tag 'build'\n"},
        {"empty key group", head + ">" + product + "<component name=\"c\" description=\"d\"><keypackages/></component></build>",
         {1, 1, 1, 3}, "The list of key packages of the component c is empty.\n"},
        {"bad package name", head + ">" + product + "<component name=\"c\" description=\"d\">" + package("a;reboot") + "</component></build>",
         {1, 1, 1, 3},
         "Invalid catalogue data in the element 'package' (row 1, col 298) of the file F: \"a;reboot\" is not a "
         "valid Debian package name\n"},
        {"shell word in a package version",
         head + ">" + product + "<component name=\"c\" description=\"d\"><package name=\"a\" version=\"1.0;reboot\" "
             "release=\"1\" arch=\"amd64\" file=\"a.deb\"/></component></build>",
         {1, 1, 1, 3},
         "Invalid catalogue data in the element 'package' (row 1, col 298) of the file F: \"1.0;reboot\" in the "
         "attribute 'version' is not a valid package version or architecture\n"},
        {"option as a package architecture",
         head + ">" + product + "<component name=\"c\" description=\"d\"><package name=\"a\" version=\"1.0\" "
             "release=\"1\" arch=\"--force-all\" file=\"a.deb\"/></component></build>",
         {1, 1, 1, 3},
         "Invalid catalogue data in the element 'package' (row 1, col 298) of the file F: \"--force-all\" in the "
         "attribute 'arch' is not a valid package version or architecture\n"},
        {"package file leaves the source", head + ">" + product + "<component name=\"c\" description=\"d\">" + package("a", "../../a.deb") + "</component></build>",
         {1, 1, 1, 3},
         "Invalid catalogue data in the element 'package' (row 1, col 298) of the file F: the path \"../../a.deb\" in "
         "the attribute 'file' leaves the installation source\n"},
        {"build_dir absolute", "<build os_name=\"Linux\" os_vendor=\"Debian\" os_version=\"12\" os_arch=\"x86_64\" environment=\"\" build_dir=\"/srv\">" + product + baseComponent + "</build>",
         {1, 1, 1, 3},
         "Invalid catalogue data in the element 'build' (row 1, col 1) of the file F: the path \"/srv\" in the "
         "attribute 'build_dir' leaves the installation source\n"},
        {"package without version", head + ">" + product + "<component name=\"c\" description=\"d\"><package name=\"a\" file=\"\"/></component></build>",
         {1, 1, 1, 3},
         "The attribute 'version' of the element 'package' (row 1, col 298) of the file F was not found.\n"},
        {"unknown package file kind", head + ">" + product + "<component name=\"c\" description=\"d\">" + package("a", "a.tar") + "</component></build>",
         {1, 1, 1, 3}, "Invalid package in the element 'package' (row 1, col 298) of the file F\n"},
        {"excluded package name", head + ">" + product + "<component name=\"c\" description=\"d\"><keypackages><keypackage name=\"k\"/></keypackages><expackages><expackage name=\"--purge\"/></expackages></component></build>",
         {1, 1, 1, 3},
         "Invalid catalogue data in the element 'expackage' (row 1, col 359) of the file F: \"--purge\" is not a "
         "valid Debian package name\n"},
        {"headers file leaves the source", head + ">" + product + baseComponent + "<thirdparty thirdparty_dir=\"t\" headers_file=\"../../h\"/></build>",
         {1, 1, 1, 3},
         "Invalid catalogue data in the element 'thirdparty' (row 1, col 374) of the file F: the path \"../../h\" in "
         "the attribute 'headers_file' leaves the installation source\n"},
        {"examine script leaves the source from its root",
         head + ">" + product + baseComponent + "<examine scope=\"pre_any\" name=\"e\" script=\"/../e.sh\"/></build>",
         {1, 1, 1, 3},
         "Invalid catalogue data in the element 'examine' (row 1, col 374) of the file F: the path \"../e.sh\" in "
         "the attribute 'script' leaves the installation source\n"},
        {"type without components", head + ">" + product + baseComponent + "<installation_types><type name=\"t\"/></installation_types></build>",
         {3, 1, 1, 3}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WrittenFile written(c.content);
        std::string expected = c.text;
        const std::size_t at = expected.find(" F");
        if (at != std::string::npos) expected.replace(at + 1, 1, written.path());
        if (c.text.empty()) {
            if (const auto raised = expectError([&] { written.read(); })) expectCodes(*raised, c.codes);
        } else {
            expectError([&] { written.read(); }, c.codes, ::testing::StartsWith(expected));
        }
    }
    expectError([] { BuildInfFile("", "c"); }, {1, 1, 1, 3}, "The 'config' build attribute is empty.\n");
}

// A build's package names follow the rules of its system's package tools: Debian
// names are lower case without "_", rpm names may have both; a build of neither
// family takes a name of either.
TEST(BuildInfFile, PackageNamesFollowTheBuildsFamily)
{
    struct Case {
        const char* name;
        std::string vendor;
        std::string packageName;
        const char* refusedAs;  // the family the refusal names; nullptr: accepted
    };
    const std::string tooLong(256, 'a');
    const Case cases[] = {
        {"plain name, Debian", "Debian", "zarni-base", nullptr},
        {"plain name, rpm", "RedHat", "zarni-base", nullptr},
        {"plus signs, Ubuntu", "Ubuntu", "g++-12", nullptr},
        {"one character, Debian", "Debian", "z", nullptr},
        {"upper case, Debian", "Debian", "Zarni-Base", "Debian"},
        {"upper case, rpm", "CentOS", "Zarni-Base", nullptr},
        {"underscore, Debian", "Debian", "lib_zarni", "Debian"},
        {"underscore, rpm", "AlmaLinux", "lib_zarni", nullptr},
        {"tilde, Debian", "Debian", "zarni~beta", "Debian"},
        {"tilde, rpm", "RedHat", "zarni~beta", nullptr},
        {"caret, Ubuntu", "Ubuntu", "zarni^1", "Debian"},
        {"underscore, neither family", "Bell", "lib_Zarni", nullptr},
        {"option, Debian", "Debian", "-zarni", "Debian"},
        {"option, rpm", "RedHat", "-zarni", "RPM"},
        {"blank, rpm", "RedHat", "zarni base", "RPM"},
        {"shell word, rpm", "Rocky", "zarni;reboot", "RPM"},
        {"path, rpm", "RedHat", "zarni/../x", "RPM"},
        {"non-ASCII letter, rpm", "RedHat", "zarn\xc3\xad", "RPM"},
        {"shell word, neither family", "Bell", "zarni$(id)", "Debian or RPM"},
        {"256 characters, Debian", "Debian", tooLong, "Debian"},
        {"256 characters, rpm", "RedHat", tooLong, "RPM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WrittenFile written(
            "<build os_name=\"Linux\" os_vendor=\"" + c.vendor +
            "\" os_version=\"9\" os_arch=\"x86_64\" environment=\"\" build_dir=\"d\">" + product +
            "<component name=\"c\" description=\"d\"><keypackages><keypackage name=\"k\"/></keypackages>"
            "<expackages><expackage name=\"" + c.packageName + "\"/></expackages></component></build>");
        if (!c.refusedAs) {
            EXPECT_THAT(written.read()->components[0]->expackages, ElementsAre(c.packageName));
            continue;
        }
        expectError([&] { written.read(); }, {1, 1, 1, 3},
                    ::testing::AllOf(::testing::StartsWith("Invalid catalogue data in the element 'expackage' (row 1, "),
                                     ::testing::EndsWith(" of the file " + written.path() + ": " +
                                                         quoteString(c.packageName) + " is not a valid " + c.refusedAs +
                                                         " package name\n")));
    }
}

TEST(BuildInfFile, GpgCheckWords)
{
    const Opsys system;
    const std::pair<const char*, bool> cases[] = {
        {"yes", true}, {"true", true}, {"no", false}, {"deb", system.isDebian()}, {"rpm", system.isRedHat()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        const WrittenFile written(head + " gpgcheck=\"" + c.first + "\">" + product + baseComponent + "</build>");
        EXPECT_EQ(written.read()->gpgcheck, c.second);
    }
    const WrittenFile missing(head + ">" + product + baseComponent + "</build>");
    EXPECT_FALSE(missing.read()->gpgcheck);
}

// The extension catalogue's items become packages of the build; an old-format
// feed URL is cut, and a component without a description takes an item's name.
TEST(BuildInfFile, ExtensionCatalogue)
{
    std::string askedUrl;
    BuildInfFile::setFeedLoader([&](const std::string& url, const std::string& platform, const std::string& version) {
        askedUrl = url + " " + platform + " " + version;
        BuildInfFile::Feed feed;
        feed["backup"] = {"Backup Manager", "https://ext.zarni.example/backup.zip"};
        feed["seo"] = {"", "https://ext.zarni.example/seo.zip"};
        return feed;
    });
    const WrittenFile written(
        head + ">" + product + baseComponent +
        "<component name=\"backup\" description=\"\"><keypackages><keypackage name=\"ext-backup\"/></keypackages>"
        "</component><ext_catalog url=\"https://ext.zarni.example/api/v2/packages\"><package name=\"t\" file=\"\"/>"
        "</ext_catalog></build>");
    CapturedLog log(0);
    const auto file = written.read();
    BuildInfFile::setFeedLoader(nullptr);

    EXPECT_EQ(askedUrl, "https://ext.zarni.example unix 1.0");
    EXPECT_THAT(log.text(), HasSubstr("Extensions Catalog feed https://ext.zarni.example/api/v2/packages has old "
                                      "format, new format https://ext.zarni.example will be used instead"));
    ASSERT_THAT(names(file->ext_catalog_packages), ElementsAre("ext-backup", "ext-seo"));
    const auto* backup = dynamic_cast<const ExtCatalogPackage*>(file->ext_catalog_packages[0]);
    ASSERT_TRUE(backup);
    EXPECT_EQ(backup->getType(), Package::typeExtension);
    EXPECT_EQ(file->components[1]->description, "Backup Manager");
}

// Without a feed the build loads, with no extension packages and the reason in
// the log.
TEST(BuildInfFile, UnavailableFeedLeavesNoExtensionPackages)
{
    BuildInfFile::setFeedLoader([](const std::string&, const std::string&, const std::string&) -> BuildInfFile::Feed {
        throw error(4, 1, 1, 2) << "the catalogue service is down";
    });
    const WrittenFile written(head + ">" + product + baseComponent +
                              "<ext_catalog url=\"https://ext.zarni.example/feed\"/></build>");
    CapturedLog log(2);
    const auto file = written.read();
    BuildInfFile::setFeedLoader(nullptr);
    EXPECT_TRUE(file->ext_catalog_packages.empty());
    EXPECT_THAT(log.text(), HasSubstr("Failed to collect Extensions Catalog packages: the catalogue service is down"));
}

TEST(BuildInfFile, TruncatedFilesAreReadOrRefused)
{
    const std::string whole = readFile(demoCatalogueDirectory() + "/zarni/1.1/debian-12.build.inf3");
    ASSERT_FALSE(whole.empty());
    const std::string end = "</build>";
    TempDir directory;
    const std::string path = directory.path() + "/x.build.inf3";
    CapturedLog quiet(0);
    // Every fourth cut, and every cut near the end where the document closes.
    for (std::size_t length = 0; length < whole.size(); length += length + 64 < whole.size() ? 4 : 1) {
        const std::string prefix = whole.substr(0, length);
        writeFileWithDirectories(path, prefix);
        try {
            BuildInfFile(path, "x.build.inf3");
            // Only a prefix that holds the whole document is well-formed.
            EXPECT_NE(prefix.find(end), std::string::npos) << "read at length " << length;
        } catch (const error&) {
        }
    }
}
