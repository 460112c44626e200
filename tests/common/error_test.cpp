#include "common/error.h"

#include "common/BuildInfo.h"
#include "common/Messages.h"
#include "common/checked_pointer.h"
#include "tests/common/ErrorExpectations.h"

#include <gtest/gtest.h>

#include <boost/format.hpp>

namespace {

const std::string& text(const char* key) { return Messages::get(key); }

TEST(Error, NothingInsertedGivesOneEmptyLine)
{
    EXPECT_EQ(error(4, 1, 1, 2).text(), "\n");
    EXPECT_EQ(error().text(), "\n");
}

TEST(Error, InsertionAppendsToTheLastMessage)
{
    error e(4, 1, 1, 2);
    e << "value " << 42 << ' ' << std::string("x") << (boost::format("%s-%s") % "a" % 7);
    EXPECT_EQ(e.text(), "value 42 xa-7\n");
}

TEST(Error, AddLevelPutsContextFirstAndFillsOnlyUnsetCodes)
{
    struct Case {
        const char* name;
        int raised[4];
        int handler[4];
        int expected[4];
    } cases[] = {
        {"set codes stay", {4, 1, 1, 2}, {1, 2, 3, 3}, {4, 1, 1, 2}},
        {"unset codes take the handler's", {0, 0, 0, 0}, {1, 2, 3, 3}, {1, 2, 3, 3}},
        {"mixed", {0, 2, 0, 1}, {5, 1, 3, 3}, {5, 2, 3, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        error e(c.raised[0], c.raised[1], c.raised[2], c.raised[3]);
        e << "A";
        e.addLevel(c.handler[0], c.handler[1], c.handler[2], c.handler[3]) << "B";
        EXPECT_EQ(e.text(), "B\nA\n");
        EXPECT_EQ(e.errorClass(), c.expected[0]);
        EXPECT_EQ(e.retry(), c.expected[1]);
        EXPECT_EQ(e.systemState(), c.expected[2]);
        EXPECT_EQ(e.support(), c.expected[3]);
    }
}

TEST(Error, RethrownObjectKeepsItsContext)
{
    const auto rethrown = expectError([] {
        try {
            throw error(6, 1, 3, 3) << "inner";
        } catch (error& e) {
            e.addLevel(4, 1, 1, 2) << "outer";
            throw;
        }
    });
    if (rethrown) {
        EXPECT_EQ(rethrown->text(), "outer\ninner\n");
        EXPECT_EQ(rethrown->errorClass(), 6);
    }
}

TEST(Error, UserTextAdviceLines)
{
    const std::string m = "M\n";
    struct Case {
        const char* name;
        int codes[4];
        std::string expected;
    } cases[] = {
        {"system failure, try later, no support",
         {4, 2, 1, 1},
         m + text("error_sys_stable") + "\n" + text("error_rep_again") + "\n" + text("error_supp_none")},
        {"user error gets no advice", {2, 2, 3, 3}, m},
        {"no advice codes", {4, 1, 0, 0}, m},
        {"checked pointer codes leave an empty line", {3, 1, 0, 3}, m + "\n" + text("error_supp_need")},
        {"unsure state, maybe support",
         {5, 1, 2, 2},
         m + text("error_sys_unsure") + "\n" + text("error_supp_maybe")},
        {"broken state only", {6, 1, 3, 0}, m + text("error_sys_broken")},
        {"out of range codes add nothing", {4, 7, 9, 9}, m},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        error e(c.codes[0], c.codes[1], c.codes[2], c.codes[3]);
        e << "M";
        EXPECT_EQ(e.userText(), c.expected);
    }
}

TEST(Error, UserTextExactEnglishExample)
{
    Messages::setLocale("en_US");
    error e(4, 2, 1, 1);
    e << "M";
    EXPECT_EQ(e.userText(),
              "M\nNot all packages were installed.\nPlease try to install packages again later.\n"
              "Please resolve this issue and try to install the packages again.");
}

TEST(Error, ClassNames)
{
    const std::pair<int, const char*> cases[] = {{1, "repository"}, {2, "user"},         {3, "internal"},
                                                 {4, "system"},     {5, "dependencies"}, {6, "packages"},
                                                 {0, "e_class broken"}, {7, "e_class broken"}, {-1, "e_class broken"}};
    for (const auto& c : cases) EXPECT_STREQ(error(c.first, 1, 1, 1).className(), c.second) << c.first;
}

TEST(Error, MarksAndCopies)
{
    error e(1, 1, 1, 3);
    e << "x";
    EXPECT_FALSE(e.isMarked(error::markNoReport));
    e.mark(error::markNoReport);
    error copy = e;
    copy << "y";
    EXPECT_TRUE(copy.isMarked(error::markNoReport));
    EXPECT_FALSE(copy.isMarked(error::markLogged));
    EXPECT_EQ(e.text(), "x\n");
    EXPECT_EQ(copy.text(), "xy\n");
}

TEST(Error, InternalErrorNamesVersionRevisionFileAndLine)
{
    const int line = __LINE__ + 1;
    const error e = KW_INTERNAL_ERROR();
    EXPECT_EQ(e.errorClass(), 3);
    EXPECT_EQ(e.retry(), 1);
    EXPECT_EQ(e.systemState(), 1);
    EXPECT_EQ(e.support(), 3);
    EXPECT_EQ(e.text(), std::string("An internal error occured in Zarni Installer ") + kwVersion() + ", revision " +
                            kwRevision() + ", tests/common/error_test, line " + std::to_string(line) + ".\n");
}

TEST(Error, CheckedPointerRaisesOnNull)
{
    int value = 5;
    checked_pointer<int> set(&value);
    EXPECT_EQ(*set, 5);

    struct Item {
        int field = 3;
    };
    checked_pointer<Item> empty;
    EXPECT_FALSE(empty);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i == 0 ? "operator*" : "operator->");
        const auto e = expectError([&] {
            if (i == 0)
                (void)*empty;
            else
                (void)empty->field;
        });
        if (e) {
            EXPECT_EQ(e->errorClass(), 3);
            EXPECT_EQ(e->systemState(), 0);
            EXPECT_EQ(e->support(), 3);
            EXPECT_EQ(e->text().rfind("Try of use NULL pointer: common/checked_pointer:", 0), 0u) << e->text();
        }
    }
}

}  // namespace
