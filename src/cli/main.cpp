// rooster2-cli: batch access to puzzles, word lists, the search and the formats.
#include "cli_main.h"
#include "cli_platform.h"

int main(int argc, char** argv) {
    PrepareStandardStreams();
    return FinishStandardOutput(RunCommandLine(ProgramArguments(argc, argv)));
}
