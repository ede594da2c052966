#pragma once
// What the test support offers on POSIX systems only.

#include <cstddef>
#include <initializer_list>
#include <string>

#include "test_support.h"

// RunCli with the program's address space limited (ulimit -v), as on a machine short of
// memory.
CliRun RunCliWithAddressSpace(std::size_t megabytes,
                              const std::initializer_list<std::string>& args);
