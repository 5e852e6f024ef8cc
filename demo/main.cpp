#include <clocale>
#include <iostream>

#include "console.h"

#ifndef _WIN32
#include <langinfo.h>

#include "oem.h"
#endif

int main() {
#ifdef _WIN32
    // The C runtime translates narrow output to a console once more, through its locale's code
    // page: at the console's OEM code page the bytes of the text layer pass as they are.
    std::setlocale(LC_ALL, ".OCP");
#else
    std::setlocale(LC_ALL, "");
    // The console shows the user's locale charset.
    setOemCharset(nl_langinfo(CODESET));
#endif
    return runConsole(std::cin, std::cout);
}
