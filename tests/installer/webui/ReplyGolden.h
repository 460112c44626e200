#pragma once

#include "installer/webui/BackendProtocol.h"

#include "common/xmlbind.h"
#include "tests/common/TestFiles.h"
#include "tests/common/XmlLint.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

// A reply of the back-end protocol as the transport sends it (the compact print).
inline std::string printedReply(const TiXmlDocument& reply)
{
    std::ostringstream text;
    text << reply;
    return text.str();
}

// The printed reply against tests/data/backend-protocol/<name>.xml, which holds
// it followed by one line feed: empty when they agree byte for byte and xmllint
// reads it, else what differs. With KW_WRITE_GOLDENS set in the environment the
// file is written first, for review.
inline std::string goldenDifference(const TiXmlDocument& reply, const std::string& name)
{
    const std::string path = std::string(KW_TEST_DATA_DIR) + "/backend-protocol/" + name + ".xml";
    const std::string printed = printedReply(reply) + "\n";
    if (std::getenv("KW_WRITE_GOLDENS")) writeFileWithDirectories(path, printed);
    const std::string expected = readFile(path);
    if (printed != expected) return name + ": the reply\n" + printed + "differs from\n" + expected;
    const std::string complaints = XmlLint(printed).complaints();
    if (!complaints.empty()) return name + ": xmllint: " + complaints;
    return std::string();
}

inline void expectGolden(const TiXmlDocument& reply, const std::string& name, const char* file = __builtin_FILE(),
                         int line = __builtin_LINE())
{
    const ::testing::ScopedTrace trace(file, line, "golden reply " + name);
    EXPECT_EQ(goldenDifference(reply, name), "");
}

// A test with a fresh reply (status "ok") in `protocol`.
class ReplyTest : public ::testing::Test {
protected:
    void SetUp() override { protocol.reset(); }

    BackendProtocol protocol;
};
