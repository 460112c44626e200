#include "installer/webui/RecoveryRecord.h"

#include "common/error.h"

#include <gtest/gtest.h>

TEST(RecoveryRecord, KeepsTheFailureWithThePagesUntilCleared)
{
    RecoveryRecord record;
    EXPECT_FALSE(record.pending());
    EXPECT_NO_THROW(record.raiseKeptFailure());

    PageHistory history;
    history.reset();
    history.setCurrent(PageHistory::components);
    history.setCurrent(PageHistory::examine);
    record.set(history, "The examination could not run.\n");
    history.reset();
    EXPECT_TRUE(record.pending());
    EXPECT_TRUE(record.pages().contains(PageHistory::components)) << "a copy, not the live history";
    try {
        record.raiseKeptFailure();
        FAIL() << "the kept failure was not raised";
    } catch (const error& failure) {
        EXPECT_EQ(failure.text(), "The examination could not run.\n") << "raised again, it reads the same";
        EXPECT_STREQ(failure.className(), "internal");
    }

    record.clear();
    EXPECT_FALSE(record.pending());
    EXPECT_EQ(record.pages().current(), "summary");
    EXPECT_FALSE(record.pages().contains(PageHistory::components));
    EXPECT_NO_THROW(record.raiseKeptFailure());
}
