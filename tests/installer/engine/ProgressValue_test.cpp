#include "installer/engine/ProgressValue.h"

#include "tests/common/ErrorExpectations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>

using ::testing::HasSubstr;

namespace {

using Value = ProgressValue<std::uint64_t>;

struct Counter : ProgressValueObserver {
    void onChange() override { ++calls; }
    int calls = 0;
};

}  // namespace

TEST(ProgressValue, EqualNotificationsInARowReachObserversOnce)
{
    Value value(0, 1000);
    auto counter = std::make_shared<Counter>();
    value.addObserver(counter);
    value.addObserver(counter);  // the same observer is added once

    value.set(250, 1000);
    value.notify(true);
    value.notify();
    EXPECT_EQ(counter->calls, 1);
    value.notify(true);
    EXPECT_EQ(counter->calls, 2);
    value.setText("retry");
    value.notify();
    value.notify();
    EXPECT_EQ(counter->calls, 3);

    // The last-notified record is shared: another value with the same triple in
    // between makes the next notification of this one count again.
    Value other(1, 2);
    other.notify();
    value.notify();
    EXPECT_EQ(counter->calls, 4);
}

TEST(ProgressValue, ObserversThatAreGoneArePassedOver)
{
    Value value;
    auto first = std::make_shared<Counter>();
    auto gone = std::make_shared<Counter>();
    auto last = std::make_shared<Counter>();
    value.addObserver(first);
    value.addObserver(gone);
    value.addObserver(last);
    gone.reset();
    value.set(7, 0);
    value.notify(true);
    EXPECT_EQ(first->calls, 1);
    EXPECT_EQ(last->calls, 1);
}

TEST(ProgressValue, ValueAboveItsMaximumIsAnInternalError)
{
    Value value(2, 2);
    expectError([&] { value.add(1); }, {3, 1, 1, 3}, HasSubstr("An internal error occured"));
    EXPECT_EQ(value.value(), 2u);
    value.set(5, 0);  // no maximum: anything goes
    expectError([&] { value.set(3, 2); }, {3, 1, 1, 3}, HasSubstr("progress value 3 above its maximum 2"));

    std::ostringstream printed;
    value.setText("f");
    printed << value;
    EXPECT_EQ(printed.str(), "5/0 'f'");
}
