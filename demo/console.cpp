#include "console.h"

#include <istream>
#include <ostream>

#include "script.h"
#include "stage.h"

namespace {

/// "OK", then any entry, or the end of the input, lets the program go.
void finalWait(std::istream& in, std::ostream& out) {
    out << "OK";
    Keyboard keyboard(in, out);
    std::uint32_t ignored = 0;
    try {
        keyboard.number(ignored);
    } catch (const LeaveScript&) {
        // Nobody is left to answer: the wait is over.
    }
}

}  // namespace

int runConsole(std::istream& in, std::ostream& out) {
    try {
        // The vectors live inside the protected block: an error unwinds them all before the
        // report, and they are gone before the final wait.
        Stage stage(in, out);
        showOpening(stage);
        runSizing(stage);
        runOperators(stage);
        runBitSections(stage);
        runQueries(stage);
    } catch (const LeaveScript&) {
        return 0;
    } catch (const Quandrelissa::_ZELMAR_FLAGROW& error) {
        out << error.code() << std::endl << error.file() << std::endl << error.line() << std::endl;
    } catch (...) {
        out << "ERROR2" << std::endl;
    }
    finalWait(in, out);
    return 0;
}
