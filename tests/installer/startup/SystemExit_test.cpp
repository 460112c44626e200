#include "installer/startup/SystemExit.h"

#include <gtest/gtest.h>

#include <boost/exception_ptr.hpp>

#include <sstream>
#include <thread>

// The web mode's threads capture a run's end and the main thread raises it again.
TEST(SystemExit, CapturedOnOneThreadRaisedOnAnother)
{
    boost::exception_ptr captured;
    std::thread worker([&captured] {
        try {
            driver::raiseSystemExit(3);
        } catch (...) {
            captured = boost::current_exception();
        }
    });
    worker.join();
    ASSERT_TRUE(captured);
    int code = -1;
    try {
        boost::rethrow_exception(captured);
    } catch (const driver::SystemExit& exit) {
        code = exit.code;
    } catch (...) {
        ADD_FAILURE() << "raised again as something else";
    }
    EXPECT_EQ(code, 3);
}

TEST(SystemExit, PrintsItsCode)
{
    std::ostringstream out;
    out << driver::SystemExit(2);
    EXPECT_EQ(out.str(), "exit with code 2");
}
