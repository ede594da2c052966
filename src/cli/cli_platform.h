#pragma once
// What the command line needs from the system it runs on.

#include <string>
#include <vector>

// The arguments after the program name. On Windows they come from the wide command
// line as UTF-8, so that any file name reaches the program whatever the code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard output and error pass bytes unchanged (no LF to CR LF on Windows), and a
// file size limit makes a write fail instead of ending the program (POSIX).
void PrepareStandardStreams();
