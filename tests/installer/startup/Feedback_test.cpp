#include "installer/startup/Feedback.h"

#include "common/error.h"
#include "tests/installer/startup/FixedPaths.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kDirectory = "/var/kestavine";

bool present(const std::string& name)
{
    struct stat info;
    return ::lstat((kDirectory + "/" + name).c_str(), &info) == 0;
}

unsigned modeOf(const std::string& name)
{
    struct stat info;
    return ::lstat((kDirectory + "/" + name).c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

void plant(const std::string& name, const std::string& content = std::string())
{
    ::mkdir(kDirectory.c_str(), 0755);
    std::ofstream(kDirectory + "/" + name) << content;
}

std::string contentOf(const std::string& name)
{
    std::ifstream in(kDirectory + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Feedback, EnablingOrDisablingLeavesExactlyOneFlagFile)
{
    struct Start {
        const char* name;
        bool enabled;
        bool disabled;
        Feedback::State state;
    };
    const Start starts[] = {
        {"none", false, false, Feedback::undecided},
        {"enabled", true, false, Feedback::enabled},
        {"disabled", false, true, Feedback::disabled},
        {"both", true, true, Feedback::disabled},
    };
    for (const Start& start : starts) {
        for (const bool on : {true, false}) {
            SCOPED_TRACE(std::string(start.name) + (on ? " + enable" : " + disable"));
            EXPECT_EQ(withPrivateVarAndOpt([&] {
                          ChildChecks check;
                          if (start.enabled) plant("feedback-enabled");
                          if (start.disabled) plant("feedback-disabled");
                          check(Feedback::state() == start.state, "state before");
                          Feedback::setEnabled(on);
                          const std::string kept = on ? "feedback-enabled" : "feedback-disabled";
                          const std::string gone = on ? "feedback-disabled" : "feedback-enabled";
                          check(present(kept) && !present(gone), "only " + kept + " is left");
                          check(modeOf(kept) == 0600, kept + " has mode 0600");
                          check(contentOf(kept).empty(), kept + " is empty");
                          check(Feedback::state() == (on ? Feedback::enabled : Feedback::disabled), "state after");
                          check(Feedback::isEnabled() == on && !Feedback::isUndecided(), "queries after");
                          return check.failures();
                      }),
                      0);
        }
    }
}

TEST(Feedback, MayReportFollowsConfigurationStateAndAsking)
{
    for (const bool allowed : {true, false}) {
        for (const char* start : {"none", "feedback-enabled", "feedback-disabled"}) {
            for (const bool asking : {false, true}) {
                SCOPED_TRACE(std::string(allowed ? "allowed " : "not allowed ") + start + (asking ? " asking" : ""));
                const bool expected = allowed && (std::string(start) == "feedback-enabled" ||
                                                  (std::string(start) == "none" && asking));
                EXPECT_EQ(withPrivateVarAndOpt([&] {
                              ChildChecks check;
                              if (std::string(start) != "none") plant(start);
                              check(Feedback::isAllowedByConfig(), "allowed at start");
                              check(!Feedback::mayReport() || std::string(start) == "feedback-enabled",
                                    "undecided does not count before allowAsking");
                              Feedback::setAllowedByConfig(allowed);
                              if (asking) Feedback::allowAsking();
                              check(Feedback::isAllowedByConfig() == allowed, "allowed as set");
                              check(Feedback::mayReport() == expected, "mayReport");
                              return check.failures();
                          }),
                          0);
            }
        }
    }
}

TEST(Feedback, ProductIsStoredUnchangedAndReadTrimmed)
{
    EXPECT_EQ(withPrivateVarAndOpt([] {
                  ChildChecks check;
                  check(Feedback::getProduct() == "zarni", "missing file");
                  Feedback::setProduct(" tenebrin \n");
                  check(contentOf("feedback-product") == " tenebrin \n", "stored unchanged");
                  check(modeOf("feedback-product") == 0600, "mode 0600");
                  check(Feedback::getProduct() == "tenebrin", "read back trimmed");
                  Feedback::setProduct(" \t ");
                  check(Feedback::getProduct() == "zarni", "blank file");
                  Feedback::setGroupId("group-7");
                  check(contentOf("feedback-group-id") == "group-7", "group id without a line end");
                  return check.failures();
              }),
              0);
}

TEST(Feedback, ReadOnlyDirectoryFailsEveryWriteWithTheOperatorsText)
{
    EXPECT_EQ(withPrivateVarAndOpt([] {
                  ChildChecks check;
                  plant("feedback-enabled");
                  if (::mount(kDirectory.c_str(), kDirectory.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
                      ::mount(nullptr, kDirectory.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                      return kNamespaceRefused;
                  const std::function<void()> writes[] = {
                      [] { Feedback::setEnabled(false); },
                      [] { Feedback::setEnabled(true); },
                      [] { Feedback::setProduct("zarni"); },
                      [] { Feedback::setGroupId("g"); },
                  };
                  for (const auto& write : writes) {
                      try {
                          write();
                          check(false, "a write to a read-only directory raised nothing");
                      } catch (const error& failure) {
                          check(failure.text().find("Failed to open the file /var/kestavine/feedback-") !=
                                    std::string::npos,
                                "the error names the file: " + failure.text());
                      }
                  }
                  check(Feedback::isEnabled(), "the consent is unchanged");
                  return check.failures();
              }),
              0);
}

}  // namespace
