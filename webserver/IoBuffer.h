#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// One stream's buffer: data lies between `tail` and `head`. The memory grows
// on demand up to `limit`, so an idle connection costs no megabytes.
class IoBuffer {
public:
    explicit IoBuffer(std::size_t limit = 0) : limit_(limit) {}

    void setLimit(std::size_t limit);
    std::size_t limit() const { return limit_; }

    // Free space after `head`, growing (and compacting) the memory first.
    char* space();
    std::size_t spaceLen();
    // Free space that exists without growing; for deciding whether to wait.
    bool hasSpace() const { return head_ < limit_ || tail_ > 0; }

    char* data() { return buf_.get() + tail_; }
    const char* data() const { return buf_.get() + tail_; }
    std::size_t dataLen() const { return head_ - tail_; }

    void incHead(std::size_t n); // append n bytes written into space()
    void incTail(std::size_t n); // consume n bytes from data()
    void clear();
    // Grows the memory to the whole limit, for a writer that needs all space at once.
    void reserveAll();
    // Drops the memory of an empty buffer.
    void release();

    std::uint64_t total = 0; // bytes appended since the last clear

private:
    void grow();

    std::unique_ptr<char[]> buf_;
    std::size_t size_ = 0;
    std::size_t limit_ = 0;
    std::size_t head_ = 0;
    std::size_t tail_ = 0;
};
