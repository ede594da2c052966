#pragma once
// The folder of the running program; its own files are found from there
// (util/program_data.h). Empty when the platform does not tell.

#include <string>

std::string ProgramFolder();
