#pragma once

#include <sys/types.h>

#include <cstdio>
#include <cstdlib>

// Reads a stdio stream line by line, whatever the length of a line, into one
// buffer that grows as needed and is reused from line to line.
class LineReader {
public:
    explicit LineReader(std::FILE* stream) : stream_(stream) {}
    ~LineReader() { std::free(data_); }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, with its newline, into line(); false at the end of the stream
    // or on a read error (tell them apart with std::ferror).
    bool next()
    {
        length_ = ::getline(&data_, &capacity_, stream_);
        return length_ >= 0;
    }
    // Writable: callers trim it in place. Valid until the next call of next().
    char* line() { return data_; }
    std::size_t length() const { return length_ < 0 ? 0 : static_cast<std::size_t>(length_); }

private:
    std::FILE* stream_;
    char* data_ = nullptr;
    std::size_t capacity_ = 0;
    ssize_t length_ = -1;
};
