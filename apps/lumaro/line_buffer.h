#pragma once

// lumaro's error stream: progress and messages reach the unbuffered standard error a whole line
// at a time, one write each, instead of one write for every piece a line is put together from.

#include <ostream>
#include <streambuf>
#include <string>

namespace lumaro {

class LineBuffer : public std::streambuf {
public:
    explicit LineBuffer(std::streambuf& target) : target_(target) {}
    ~LineBuffer() override;
    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    // Passes on what is held, a line begun included.
    int sync() override;

private:
    // Passes on the held text up to the end of its last whole line.
    bool PassLines();

    std::streambuf& target_;
    std::string held_;
};

} // namespace lumaro
