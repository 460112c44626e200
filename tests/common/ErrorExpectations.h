#pragma once

#include "common/error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

// Checks for calls that must raise the program's `error`.
//
// Every helper takes the caller's file and line as default arguments, so that a
// failure names the line of the test that expected the error, not this header.

// The four codes of an error, in the order error's constructor takes them.
struct ErrorCodes {
    int errorClass;
    int retry;
    int systemState;
    int support;
};

// Checks all four codes of `raised`.
inline void expectCodes(const error& raised, const ErrorCodes& codes, const char* file = __builtin_FILE(),
                        int line = __builtin_LINE())
{
    const ::testing::ScopedTrace trace(file, line, "error codes checked here");
    EXPECT_EQ(raised.errorClass(), codes.errorClass);
    EXPECT_EQ(raised.retry(), codes.retry);
    EXPECT_EQ(raised.systemState(), codes.systemState);
    EXPECT_EQ(raised.support(), codes.support);
}

// Runs `call`, which must raise an error, and returns that error for the caller
// to check. When nothing is raised it records "no error raised" and returns
// nothing, so that the caller's checks are skipped:
//     if (const auto e = expectError([&] { ... })) EXPECT_EQ(e->errorClass(), 3);
inline std::optional<error> expectError(const std::function<void()>& call, const char* file = __builtin_FILE(),
                                        int line = __builtin_LINE())
{
    try {
        call();
    } catch (const error& raised) {
        return raised;
    }
    ADD_FAILURE_AT(file, line) << "no error raised";
    return std::nullopt;
}

// Runs `call`, which must raise an error with these four codes and a text that
// `text` matches. A plain string must equal the whole text (with its final
// newline); use ::testing::HasSubstr or ::testing::StartsWith for a part of it.
inline void expectError(const std::function<void()>& call, const ErrorCodes& codes,
                        const ::testing::Matcher<const std::string&>& text, const char* file = __builtin_FILE(),
                        int line = __builtin_LINE())
{
    const std::optional<error> raised = expectError(call, file, line);
    if (!raised) return;
    {
        const ::testing::ScopedTrace trace(file, line, "error text checked here");
        EXPECT_THAT(raised->text(), text);
    }
    expectCodes(*raised, codes, file, line);
}

// Runs body and returns its text, or the error it raised as "error: " and the
// error's text: a report that a test compares whole, made where no test
// framework sees (a namespace child).
inline std::string textOrError(const std::function<std::string()>& body)
{
    try {
        return body();
    } catch (const error& raised) {
        return "error: " + raised.text();
    }
}
