#include <clocale>
#include <iostream>

#include "console.h"

#ifndef _WIN32
#include <langinfo.h>

#include "oem.h"
#endif

int main() {
    std::setlocale(LC_ALL, "");
#ifndef _WIN32
    // The console shows the user's locale charset; Windows consoles take the OEM code page,
    // which the text layer targets on its own.
    setOemCharset(nl_langinfo(CODESET));
#endif
    return runConsole(std::cin, std::cout);
}
