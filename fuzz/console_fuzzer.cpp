// Feeds arbitrary bytes to the console program as its whole standard input.
// Whatever comes in, it must come to an end with status 0, and only a library
// error may end it early: the catch-all report "ERROR2" means a fault of its own.
#include <console.h>

#include <cstdint>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

// Throws the output away, remembering only whether "ERROR2" went past.
class Watch : public std::streambuf {
public:
    bool sawCatchAll() const noexcept { return seen_; }

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) take(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize k = 0; k < n; ++k) take(s[k]);
        return n;
    }

private:
    void take(char c) noexcept {
        static constexpr char kMark[] = "ERROR2";
        matched_ = c == kMark[matched_] ? matched_ + 1 : (c == kMark[0] ? 1 : 0);
        if (matched_ == sizeof kMark - 1) seen_ = true;
    }
    std::size_t matched_ = 0;
    bool seen_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    Watch watch;
    std::ostream out(&watch);
    if (runConsole(in, out) != 0) std::abort();
    if (watch.sawCatchAll()) std::abort();
    return 0;
}
