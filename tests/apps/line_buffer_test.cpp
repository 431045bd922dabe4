// lumaro's error stream passes on whole lines, each in one piece, and what is left at the end.

#include "apps/lumaro/line_buffer.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Records each piece it is given, as the standard error would take each in one write.
class Pieces : public std::streambuf {
public:
    std::vector<std::string> pieces;

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pieces.emplace_back(text, static_cast<std::size_t>(count));
        return count;
    }
    int_type overflow(int_type c) override {
        pieces.emplace_back(1, traits_type::to_char_type(c));
        return c;
    }
};

TEST(LineBuffer, PassesOnEachWholeLineInOnePiece) {
    Pieces target;
    {
        lumaro::LineBuffer lines(target);
        std::ostream err(&lines);
        err << '[' << 1 << '/' << 20 << "] " << "title" << ' ' << "a.jpg" << '\n';
        err << "lumaro: " << "b.jpg" << ": cut to 7 bytes\nlumaro: c.jpg: ";
        EXPECT_EQ(target.pieces, (std::vector<std::string>{
                                     "[1/20] title a.jpg\n", "lumaro: b.jpg: cut to 7 bytes\n"}));
        err << "no EXIF data";
    }
    // The unfinished line goes out when the stream ends.
    EXPECT_EQ(target.pieces.back(), "lumaro: c.jpg: no EXIF data");
    EXPECT_EQ(target.pieces.size(), 3u);
}

} // namespace
