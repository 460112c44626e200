#include "webserver/IoBuffer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kFirstSize = 4096;

// A broken buffer invariant is a programming error; going on would read or
// write outside the memory.
void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "kwhttpd: buffer invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace

void IoBuffer::setLimit(std::size_t limit)
{
    check(limit >= size_, "limit below the allocated size");
    limit_ = limit;
}

void IoBuffer::grow()
{
    if (tail_ > 0) {
        std::memmove(buf_.get(), buf_.get() + tail_, head_ - tail_);
        head_ -= tail_;
        tail_ = 0;
    }
    if (head_ < size_ || size_ >= limit_) return;
    const std::size_t next = std::min(limit_, std::max(kFirstSize, size_ * 2));
    std::unique_ptr<char[]> bigger(new char[next]);
    if (head_ > 0) std::memcpy(bigger.get(), buf_.get(), head_);
    buf_ = std::move(bigger);
    size_ = next;
}

char* IoBuffer::space()
{
    if (head_ == size_) grow();
    return buf_.get() + head_;
}

std::size_t IoBuffer::spaceLen()
{
    if (head_ == size_) grow();
    return size_ - head_;
}

void IoBuffer::reserveAll()
{
    if (size_ == limit_) {
        if (head_ == size_) grow();
        return;
    }
    const std::size_t len = head_ - tail_;
    std::unique_ptr<char[]> bigger(new char[limit_]);
    if (len > 0) std::memcpy(bigger.get(), buf_.get() + tail_, len);
    buf_ = std::move(bigger);
    size_ = limit_;
    head_ = len;
    tail_ = 0;
}

void IoBuffer::incHead(std::size_t n)
{
    check(n <= size_ - head_, "append beyond the space");
    head_ += n;
    total += n;
}

void IoBuffer::incTail(std::size_t n)
{
    check(n <= head_ - tail_, "consume beyond the data");
    tail_ += n;
    if (tail_ == head_) head_ = tail_ = 0;
}

void IoBuffer::clear()
{
    head_ = tail_ = 0;
    total = 0;
}

void IoBuffer::release()
{
    if (head_ != tail_) return;
    head_ = tail_ = 0;
    buf_.reset();
    size_ = 0;
}
