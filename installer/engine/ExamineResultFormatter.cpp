#include "installer/engine/ExamineResultFormatter.h"

std::string ExamineResultFormatter::formatLine(const std::string& line) const
{
    const std::string::size_type end = line.find_last_not_of(" \t\f\v\r\n");
    return "  " + (end == std::string::npos ? std::string() : line.substr(0, end + 1));
}

std::string formatExamineResults(const ExamineResultFormatter& formatter, const std::vector<ExamineResult>& results)
{
    std::string text;
    for (const ExamineResult& result : results) {
        text += result.name + "\n";
        for (std::string::size_type start = 0; start < result.error.size();) {
            const std::string::size_type end = result.error.find('\n', start);
            const std::string::size_type stop = end == std::string::npos ? result.error.size() : end;
            text += formatter.formatLine(result.error.substr(start, stop - start)) + "\n";
            start = stop + 1;
        }
    }
    return text;
}
