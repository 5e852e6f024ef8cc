#include "console_session.h"

#include <console.h>

#include <sstream>
#include <string_view>

namespace zf_reliability {

std::vector<Entry> patientUser() {
    using K = Entry::Kind;
    std::vector<Entry> e = {
        {K::field, "1011."},         {K::choice, "1"},  // first text import
        {K::number, "20050405"},                        // the number shown six times
        {K::field, "111100001111."}, {K::choice, "1"},  // the field the operators work on
    };
    for (int section = 0; section < 18; ++section) e.push_back({K::choice, "1"});
    // Bit sections: all bits, one bit, a range; for on, off and over in turn.
    for (int group = 0; group < 3; ++group) {
        e.push_back({K::choice, "1"});
        e.push_back({K::number, "5"});
        e.push_back({K::choice, "1"});
        e.push_back({K::number, "60"});
        e.push_back({K::number, "10"});
        e.push_back({K::choice, "1"});
    }
    e.insert(e.end(), {{K::field, "111100001111."},
                       {K::number, "3"},
                       {K::number, "9"},
                       {K::number, "2"},
                       {K::choice, "1"},
                       {K::finalWait, "7"}});
    return e;
}

std::string typedInput(const std::vector<Entry>& entries) {
    std::string input;
    for (const Entry& e : entries) input += e.typed + '\n';
    return input;
}

Session runSession(const std::string& input) {
    Session s;
    std::istringstream in(input);
    std::ostringstream out;
    try {
        s.status = runConsole(in, out);
    } catch (...) {
        s.escaped = true;
    }
    s.output = out.str();
    return s;
}

bool endsWithErrorReport(const std::string& output, int code) {
    if (!endsWithFinalWait(output)) return false;
    // The three lines before "OK", read backwards: line number, file, code.
    std::string lines[3];
    std::size_t end = output.size() - 2;
    for (std::string& line : lines) {
        if (end == 0 || output[end - 1] != '\n') return false;
        const std::size_t start = end >= 2 ? output.rfind('\n', end - 2) : std::string::npos;
        const std::size_t from = start == std::string::npos ? 0 : start + 1;
        line = output.substr(from, end - 1 - from);
        end = from;
    }
    const bool lineIsNumber =
        !lines[0].empty() && lines[0].find_first_not_of("0123456789") == std::string::npos;
    // The code follows whatever was written last, a prompt's input marker included.
    const std::string codeText = std::to_string(code);
    const std::string& first = lines[2];
    const bool codeEndsLine =
        first.ends_with(codeText) &&
        (first.size() == codeText.size() ||
         std::string_view("0123456789-").find(first[first.size() - codeText.size() - 1]) ==
             std::string::npos);
    return lineIsNumber && !lines[1].empty() && codeEndsLine;
}

bool endsWithFinalWait(const std::string& output) {
    return output.size() >= 2 && output.compare(output.size() - 2, 2, "OK") == 0;
}

std::string tailOf(const std::string& text, std::size_t n) {
    return text.substr(text.size() > n ? text.size() - n : 0);
}

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size()))
        ++n;
    return n;
}

}  // namespace zf_reliability
