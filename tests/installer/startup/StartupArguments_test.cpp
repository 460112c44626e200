#include "installer/startup/StartupArguments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

TEST(StartupArguments, KeepsItsOwnCopy)
{
    char program[] = "/usr/sbin/kitwright";
    char option[] = "--source";
    char value[] = "http://h/p/";
    char* argv[] = {program, option, value, nullptr};
    StartupArguments::keep(3, argv);

    // main's buffers may change later (getopt, a program rewriting its title).
    std::strcpy(value, "changed!!!!");
    EXPECT_EQ(StartupArguments::count(), 3);
    EXPECT_EQ(StartupArguments::list(), (std::vector<std::string>{"/usr/sbin/kitwright", "--source", "http://h/p/"}));
}

TEST(StartupArguments, StopsAtTheEndMark)
{
    const char* argv[] = {"kitwright", "--debug", nullptr, "beyond"};
    StartupArguments::keep(4, argv);
    EXPECT_EQ(StartupArguments::list(), (std::vector<std::string>{"kitwright", "--debug"}));

    StartupArguments::keep(0, nullptr);
    EXPECT_EQ(StartupArguments::count(), 0);
}

// The C interfaces may reorder the vector they are given; the kept command line
// stays as it was.
TEST(StartupArguments, ArgumentVectorIsTheCallersCopy)
{
    StartupArguments::keep({"kitwright", "b", "a"});
    std::vector<char*> argv = StartupArguments::makeArgv();
    ASSERT_EQ(argv.size(), 4u);
    EXPECT_EQ(argv.back(), nullptr);
    EXPECT_STREQ(argv[0], "kitwright");
    EXPECT_STREQ(argv[2], "a");

    std::swap(argv[1], argv[2]);
    EXPECT_EQ(StartupArguments::list(), (std::vector<std::string>{"kitwright", "b", "a"}));
    EXPECT_STREQ(StartupArguments::makeArgv()[1], "b");
}

// The same vector over a parser's private copy of a command line.
TEST(StartupArguments, ArgumentVectorOverGivenTexts)
{
    std::vector<std::string> texts = {"kitwright", "--debug"};
    const std::vector<char*> argv = StartupArguments::makeArgv(texts);
    ASSERT_EQ(argv.size(), 3u);
    EXPECT_EQ(argv[0], texts[0].data());
    EXPECT_EQ(argv[1], texts[1].data());
    EXPECT_EQ(argv[2], nullptr);
}
