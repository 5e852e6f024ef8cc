// Runs the console program in-process on a prepared input, and builds inputs
// that walk the whole script the way a patient user would.
#ifndef ZF_RELIABILITY_CONSOLE_SESSION_H
#define ZF_RELIABILITY_CONSOLE_SESSION_H

#include <cstddef>
#include <string>
#include <vector>

namespace zf_reliability {

/// One read of the script: what it reads and what the patient user types there.
struct Entry {
    enum class Kind { field, choice, number, finalWait };
    Kind kind;
    std::string typed;  // without the line end
};

/// Every read of the script in order, answering 1 at each choice prompt.
std::vector<Entry> patientUser();

/// The entries typed one per line.
std::string typedInput(const std::vector<Entry>& entries);

struct Session {
    int status = -1;
    bool escaped = false;  // an exception left runConsole
    std::string output;
};

/// Runs the whole program on `input`.
Session runSession(const std::string& input);

/// Whether the output ends with the program's error report for `code`: the code,
/// the source file and the line on three lines, then "OK".
bool endsWithErrorReport(const std::string& output, int code);

/// Whether the output ends with "OK" (the final wait, after a normal end or a report).
bool endsWithFinalWait(const std::string& output);

/// The last `n` characters of `text` (all of it when shorter), for failure messages.
std::string tailOf(const std::string& text, std::size_t n);

/// How often `what` occurs in `text`.
std::size_t occurrences(const std::string& text, const std::string& what);

}  // namespace zf_reliability

#endif  // ZF_RELIABILITY_CONSOLE_SESSION_H
