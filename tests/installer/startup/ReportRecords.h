#pragma once

#include "tests/common/CommandOutput.h"
#include "tests/common/TempDir.h"

#include <fstream>
#include <string>
#include <vector>

// What the error-report tool of the test build (the recorder, see
// resources/send-error-report) delivers for each report: its arguments, one a
// line, an empty line, then its standard input, the one-line report document.
struct ReportRecord {
    std::vector<std::string> arguments;
    std::string input;
};

// The records in the order the tool runs wrote them; each document ends with
// its root's end tag, so records written one after another come apart there.
inline std::vector<ReportRecord> parseReportRecords(const std::string& text)
{
    static const std::string documentEnd = "</error>";
    std::vector<ReportRecord> records;
    std::string::size_type at = 0;
    while (at < text.size()) {
        ReportRecord record;
        for (std::string::size_type end; (end = text.find('\n', at)) != std::string::npos && end != at; at = end + 1)
            record.arguments.push_back(text.substr(at, end - at));
        if (at < text.size()) ++at;  // the empty line
        const std::string::size_type end = text.find(documentEnd, at);
        const std::string::size_type next = end == std::string::npos ? text.size() : end + documentEnd.size();
        record.input = text.substr(at, next - at);
        at = next;
        records.push_back(record);
    }
    return records;
}

// The report's message as the reference decoder reads it (line ends ignored).
inline std::string decodeBase64(const std::string& encoded)
{
    TempDir dir;
    std::ofstream(dir.path() + "/encoded", std::ios::binary) << encoded;
    return commandOutput("base64 -d -i " + dir.path() + "/encoded");
}
