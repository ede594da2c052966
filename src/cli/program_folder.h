#pragma once
// The folder of the running program, where its installed files (the HTML
// export's images) lie. Empty when the platform does not tell.

#include <string>

std::string ProgramFolder();
