// rooster2-cli: batch access to puzzles, word lists, the search and the formats.
#include <string>
#include <vector>

#include "cli_main.h"

int main(int argc, char** argv) {
    return RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
