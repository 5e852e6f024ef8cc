#include "transcript.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>

#include <sys/wait.h>

#include "read_file.h"

namespace {

std::string dropLastNewline(std::string text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

std::string expand(const std::filesystem::path& path, int depth) {
    if (depth > 8) throw std::runtime_error("includes nest too deep at " + path.string());
    std::string text = dropLastNewline(zf_test::readFile(path));
    const std::string_view kOpen = "{{include ";
    for (std::size_t at = text.find(kOpen); at != std::string::npos; at = text.find(kOpen, at)) {
        const std::size_t end = text.find("}}", at);
        const std::string name = text.substr(at + kOpen.size(), end - at - kOpen.size());
        const std::string body = expand(path.parent_path() / name, depth + 1);
        text.replace(at, end + 2 - at, body);
        at += body.size();
    }
    return text;
}

/// Where the two texts part: the line number and both lines from there on.
std::string describe(std::string_view expected, std::string_view actual, std::size_t at) {
    const auto lineNo =
        1 + std::count(actual.begin(), actual.begin() + static_cast<long>(at), '\n');
    auto lineOf = [](std::string_view text) {
        return std::string(text.substr(0, std::min(text.find('\n'), std::size_t{160})));
    };
    return "output line " + std::to_string(lineNo) + ":\n  expected: [" + lineOf(expected) +
           "]\n  actual:   [" + lineOf(actual.substr(at)) + "]";
}

class Matcher {
public:
    explicit Matcher(std::string_view actual) : actual_(actual) {}

    std::string run(std::string_view expected) {
        for (std::size_t e = 0; e < expected.size();) {
            const std::size_t open = std::min(expected.find("{{", e), expected.size());
            if (std::string err = literal(expected.substr(e, open - e)); !err.empty()) return err;
            if (open == expected.size()) break;
            const std::size_t close = expected.find("}}", open);
            if (close == std::string_view::npos) return "unclosed {{ in the transcript";
            if (std::string err = directive(expected.substr(open + 2, close - open - 2));
                !err.empty())
                return err;
            e = close + 2;
        }
        if (at_ != actual_.size()) return describe("<end of output>", actual_, at_);
        return "";
    }

private:
    std::string literal(std::string_view text) {
        const std::string_view here = actual_.substr(at_, text.size());
        if (here == text) {
            at_ += text.size();
            return "";
        }
        const auto differ = std::mismatch(text.begin(), text.end(), here.begin(), here.end());
        const auto offset = static_cast<std::size_t>(differ.first - text.begin());
        return describe(text.substr(offset), actual_, at_ + offset);
    }

    std::string directive(std::string_view d) {
        std::istringstream words{std::string(d)};
        std::string head;
        words >> head;
        if (head == "bits") {
            std::size_t n = 0;
            std::string name;
            words >> n >> name;
            const std::string_view here = actual_.substr(at_, n);
            if (here.size() != n || here.find_first_not_of("01") != std::string_view::npos)
                return describe("<0 and 1 only>", actual_, at_);
            bound_[name] = std::string(here);
            at_ += n;
            return "";
        }
        if (head == "line") {
            const std::size_t end = actual_.find_first_not_of("0123456789", at_);
            if (end == at_) return describe("<a line number>", actual_, at_);
            at_ = std::min(end, actual_.size());
            return "";
        }
        if (head == "eq" || head == "ne") {
            std::string a, b;
            words >> a >> b;
            return literal((ref(a) == ref(b)) == (head == "eq") ? "1" : "0");
        }
        if (head == "word") {
            std::string r;
            std::size_t k = 0;
            words >> r >> k;
            return literal(std::to_string(word(ref(r), k)));
        }
        if (const std::size_t star = head.find('*'); star != std::string::npos) {
            std::string text;
            for (int n = std::stoi(head.substr(0, star)); n > 0; --n) text += head.substr(star + 1);
            return literal(text);
        }
        return literal(ref(head));
    }

    /// NAME or NAME[A..B].
    std::string ref(const std::string& r) const {
        const std::size_t bracket = r.find('[');
        const std::string& text = bound_.at(r.substr(0, bracket));
        if (bracket == std::string::npos) return text;
        const std::size_t from = std::stoul(r.substr(bracket + 1));
        const std::size_t to = std::stoul(r.substr(r.find("..") + 2));
        return text.substr(from, to - from + 1);
    }

    static std::uint32_t word(const std::string& bits, std::size_t k) {
        std::uint32_t w = 0;
        for (std::size_t b = 0; b < 32 && 32 * k + b < bits.size(); ++b)
            if (bits[32 * k + b] == '1') w |= std::uint32_t{1} << b;
        return w;
    }

    std::string_view actual_;
    std::size_t at_ = 0;
    std::map<std::string, std::string> bound_;
};

}  // namespace

std::string loadTranscript(const std::filesystem::path& path) { return expand(path, 0); }

std::pair<int, std::string> runProgram(const std::string& environment,
                                       const std::filesystem::path& input) {
    const std::string command =
        environment + " " ZF_RUN_PREFIX " '" ZF_PROGRAM "' < '" + input.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    std::string output;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        output.append(chunk, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string compareTranscript(std::string_view expected, std::string_view actual) {
    return Matcher(actual).run(expected);
}
