#include "installer/params/ParamTypes.h"

#include "tests/common/TempDir.h"
#include "tests/installer/params/ParamFixture.h"

#include "common/Messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace {

typedef std::function<ParamPtr(const KwComponentPtr&)> Make;

struct Case {
    const char* name;
    Make make;
    std::string input;
    bool accepted;
    std::string stored;  // the value after an accepted input
    std::string detail;  // the refusal's detail (path and password only)
};

Make integer(const std::string& min = "", const std::string& max = "")
{
    return [=](const KwComponentPtr& owner) { return std::make_shared<ParamInteger>(owner, "n", min, max); };
}
Make floating(const std::string& min, const std::string& max)
{
    return [=](const KwComponentPtr& owner) { return std::make_shared<ParamFloat>(owner, "f", min, max); };
}
Make string(const std::string& minLength, const std::string& maxLength, const std::string& regex)
{
    return [=](const KwComponentPtr& owner) {
        return std::make_shared<ParamString>(owner, "s", minLength, maxLength, regex);
    };
}
Make password(const std::string& minLength, const std::string& maxLength, const std::string& regex)
{
    return [=](const KwComponentPtr& owner) {
        return std::make_shared<ParamPassword>(owner, "p", minLength, maxLength, regex, "true");
    };
}
Make path(bool mustExist)
{
    return [=](const KwComponentPtr& owner) { return std::make_shared<ParamPath>(owner, "d", mustExist); };
}
template <class T>
Make plain()
{
    return [](const KwComponentPtr& owner) { return std::make_shared<T>(owner, "x"); };
}
Make choice()
{
    return [](const KwComponentPtr& owner) {
        auto param = std::make_shared<ParamEnum>(owner, "e");
        param->setChoices({{"apache", "Apache"}, {"nginx", "nginx"}});
        return param;
    };
}

std::string text(const char* key) { return Messages::get(key); }

}  // namespace

// What each type accepts, what it stores, and the detail a refusal records.
TEST(ParamTypes, ValidationTable)
{
    const TempDir existing;
    const std::string file = existing.path() + "/file";
    { std::ofstream(file) << "x"; }
    const std::string missing = existing.path() + "/missing";
    const std::string longName(256 - std::string(".zarni.example").size(), 'a');

    const Case cases[] = {
        {"bool YES", plain<ParamBool>(), "YES", true, "true", ""},
        {"bool n", plain<ParamBool>(), "n", true, "false", ""},
        {"bool on", plain<ParamBool>(), "on", false, "", ""},
        {"integer +-3", integer(), "+-3", true, "+-3", ""},
        {"integer empty", integer(), "", true, "", ""},
        {"integer 3.5", integer(), "3.5", false, "", ""},
        {"integer leading blank", integer(), " 3", false, "", ""},
        {"integer at min", integer("1", "10"), "1", true, "1", ""},
        {"integer at max", integer("1", "10"), "+10", true, "+10", ""},
        {"integer below min", integer("1", "10"), "0", false, "", ""},
        {"integer above max", integer("1", "10"), "11", false, "", ""},
        {"integer without number under bounds", integer("1", ""), "+-3", false, "", ""},
        {"float 2", floating("1", "2"), "2", true, "2", ""},
        {"float 1.0", floating("1", "2"), "1.0", true, "1.0", ""},
        {"float 2.5", floating("1", "2"), "2.5", false, "", ""},
        {"float abc1 reads as 0", floating("1", "2"), "abc1", false, "", ""},
        {"float without a number", floating("", ""), "abc", false, "", ""},
        {"string pattern searched", string("", "", "[0-9]"), "a1b", true, "a1b", ""},
        {"string pattern anchored", string("", "", "^[0-9]+$"), "a1b", false, "", ""},
        {"string too short", string("3", "", ""), "ab", false, "", ""},
        {"string too long", string("", "2", ""), "abc", false, "", ""},
        {"string bound not a number", string("x", "", ""), "abc", false, "", ""},
        {"password too short", password("8", "", ""), "secret", false, "",
         (Messages::format("param_password_too_short") % "8").str()},
        {"password too long", password("", "4", ""), "secret", false, "",
         (Messages::format("param_password_too_long") % "4").str()},
        {"password pattern", password("", "", "^[a-z]+$"), "s3cret", false, "",
         text("param_password_contains_invalid_characters")},
        {"password broken pattern", password("", "", "(["), "secret", false, "",
         text("param_password_validation_failed")},
        {"password bound not a number", password("eight", "", ""), "secret", false, "",
         text("param_password_validation_failed")},
        {"password fits", password("4", "8", "^[a-z]+$"), "secret", true, "secret", ""},
        {"path trailing slash", path(false), "/srv/www/", true, "/srv/www", ""},
        {"path relative", path(false), "srv/www", false, "", text("param_path_not_full")},
        {"path with a dot", path(false), "/tmp/a.b", false, "", text("param_path_contains_invalid_characters")},
        {"path with a second line", path(false), "/srv\n/x", false, "",
         text("param_path_contains_invalid_characters")},
        {"path blanks and parentheses", path(false), "/srv/my site (old)", true, "/srv/my site (old)", ""},
        {"path of a file", path(false), file, false, "", text("param_path_not_directory")},
        {"path must exist", path(true), missing, false, "", text("param_path_not_exists")},
        {"path exists", path(true), existing.path() + "/", true, existing.path(), ""},
        {"domain localhost.rev", plain<ParamDomain>(), "localhost.rev", false, "", ""},
        {"host localhost.rev", plain<ParamHostname>(), "localhost.rev", false, "", ""},
        {"domain reverse", plain<ParamDomain>(), "1.0.168.192.in-addr.arpa", false, "", ""},
        {"host reverse", plain<ParamHostname>(), "1.0.168.192.in-addr.arpa", false, "", ""},
        {"domain address", plain<ParamDomain>(), "192.0.2.1", true, "192.0.2.1", ""},
        {"host address", plain<ParamHostname>(), "192.0.2.1", true, "192.0.2.1", ""},
        {"domain text with address", plain<ParamDomain>(), "x 1.2.3.4", false, "", ""},
        {"host text with address", plain<ParamHostname>(), "x 1.2.3.4", true, "x 1.2.3.4", ""},
        {"domain one label", plain<ParamDomain>(), "zarni", false, "", ""},
        {"domain inner hyphen", plain<ParamDomain>(), "my-host.zarni.example", true, "my-host.zarni.example", ""},
        {"domain leading hyphen", plain<ParamDomain>(), "-a.zarni.example", false, "", ""},
        {"domain backslash", plain<ParamDomain>(), "a\\b.zarni.example", false, "", ""},
        {"domain second line", plain<ParamDomain>(), "evil\nzarni.example", false, "", ""},
        {"domain of 257 bytes", plain<ParamDomain>(), longName.substr(0, 63) + "." + longName.substr(0, 63) + "." +
                                                        longName.substr(0, 63) + "." + longName.substr(0, 51) +
                                                        ".zarni.example",
         false, "", ""},
        {"email", plain<ParamEmail>(), "admin@zarni.example", true, "admin@zarni.example", ""},
        {"email two at signs", plain<ParamEmail>(), "a@b@zarni.example", false, "", ""},
        {"email second line", plain<ParamEmail>(), "x\nadmin@zarni.example", false, "", ""},
        {"url", plain<ParamUrl>(), "https://zarni.example/", true, "https://zarni.example/", ""},
        {"url without slash", plain<ParamUrl>(), "https://zarni.example", false, "", ""},
        {"enum choice", choice(), "nginx", true, "nginx", ""},
        {"enum case differs", choice(), "Nginx", false, "", ""},
        {"static anything", plain<ParamStatic>(), "any text", true, "any text", ""},
        {"hidden anything", plain<ParamHidden>(), "", true, "", ""},
    };
    const ParamOwners owners;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParamPtr param = c.make(owners.component("web"));
        EXPECT_EQ(param->setValue(c.input), c.accepted);
        EXPECT_EQ(param->isValid(), c.accepted);
        EXPECT_EQ(param->getInput(), c.input);
        EXPECT_EQ(param->isDefined(), c.accepted);
        EXPECT_EQ(param->getStoredValue(), c.stored);
        EXPECT_EQ(param->getValidationError(), c.detail);
    }
}

// A refused value keeps the earlier one; the next accepted check clears a
// recorded detail.
TEST(ParamTypes, RefusalKeepsTheValue)
{
    const ParamOwners owners;
    ParamBool flag(owners.component("web"), "enabled");
    ASSERT_TRUE(flag.setValue("yes"));
    EXPECT_FALSE(flag.setValue("on"));
    EXPECT_FALSE(flag.isValid());
    EXPECT_EQ(flag.getStoredValue(), "true");
    EXPECT_TRUE(flag.isDefined());

    ParamPath path(owners.component("mail"), "root", false);
    path.setTexts("Root", "The root", "Bad root");
    EXPECT_FALSE(path.setValue("srv"));
    EXPECT_EQ(path.getErrorMessage(), "Bad root - " + Messages::get("param_path_not_full"));
    EXPECT_TRUE(path.setValue("/srv"));
    EXPECT_EQ(path.getErrorMessage(), "Bad root");
}

// The names the front ends compare against.
TEST(ParamTypes, TypeNames)
{
    const ParamOwners owners;
    const KwComponentPtr owner = owners.component("web");
    EXPECT_EQ(ParamGroup(owner).typeName(), "__group_no_type__doh1Oolo__");
    EXPECT_EQ(ParamGroup(owner).getId(), "__SUBGROUP");
    EXPECT_EQ(ParamHidden(owner, "h").typeName(), "__type_hidden__tei9Rae9__");
    EXPECT_EQ(ParamDomain(owner, "d").typeName(), "domain-name");
    EXPECT_EQ(ParamHostname(owner, "h").typeName(), "host-name");
    EXPECT_EQ(ParamStatic(owner, "s").typeName(), "static-text");
    EXPECT_EQ(ParamPath(owner, "p", false).typeName(), "path");
}
