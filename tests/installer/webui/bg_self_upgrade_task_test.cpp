#include "installer/webui/bg_self_upgrade_task.h"

#include "common/error.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

TEST(bg_self_upgrade_task, StateTellsHowTheDownloadEnded)
{
    struct Case {
        const char* name;
        std::function<void()> download;
        bg_self_upgrade_task::State state;
        std::string text;
        std::string className;
    };
    const Case cases[] = {
        {"fetched", [] {}, bg_self_upgrade_task::State::ready, "", ""},
        {"an error", [] { throw error(4, 2, 1, 2) << "The mirror is gone."; }, bg_self_upgrade_task::State::failed,
         "The mirror is gone.\n", "system"},
        {"another exception", [] { throw std::runtime_error("out of memory"); }, bg_self_upgrade_task::State::failed,
         "out of memory", "internal"},
        {"anything else", [] { throw 7; }, bg_self_upgrade_task::State::failed, "Unexpected exception caught",
         "internal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bg_self_upgrade_task task(c.download);
        EXPECT_EQ(task.state(), bg_self_upgrade_task::State::preparing);
        task();
        EXPECT_EQ(task.state(), c.state);
        EXPECT_EQ(task.errorText(), c.text);
        EXPECT_EQ(task.errorClass(), c.className);
    }
}

TEST(bg_self_upgrade_task, ItsThreadEndsBeforeTheTaskGoes)
{
    bool ran = false;
    {
        bg_self_upgrade_task task([&ran] { ran = true; });
        task.start();
    }
    EXPECT_TRUE(ran) << "the destructor waited for the thread";
}
