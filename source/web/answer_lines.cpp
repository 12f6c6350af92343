// The native twin of the WebAssembly module, for the tests that require
// both to give the same bytes: one JSON request per line on the standard
// input, one answer per line on the standard output.

#include "web_engine.h"

#include <iostream>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line))
        std::cout << corvane::web::Answer(line) << '\n';
    return std::cout.flush() ? 0 : 1;
}
