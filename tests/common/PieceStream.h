#pragma once

#include <algorithm>
#include <istream>
#include <streambuf>
#include <string>

// An input stream over a text that hands its reader at most `piece` bytes per
// refill, so that a reader can be fed one byte at a time.
class PieceStream : public std::istream {
public:
    explicit PieceStream(std::string text, std::size_t piece = 1) : std::istream(nullptr), buffer_(std::move(text), piece)
    {
        rdbuf(&buffer_);
    }

private:
    class Buffer : public std::streambuf {
    public:
        Buffer(std::string text, std::size_t piece) : text_(std::move(text)), piece_(piece ? piece : 1) {}

    protected:
        int_type underflow() override
        {
            if (position_ >= text_.size()) return traits_type::eof();
            const std::size_t count = std::min(piece_, text_.size() - position_);
            char* start = &text_[position_];
            setg(start, start, start + count);
            position_ += count;
            return traits_type::to_int_type(*start);
        }

    private:
        std::string text_;
        std::size_t piece_;
        std::size_t position_ = 0;
    };

    Buffer buffer_;
};
