#pragma once
// printf-style formatting into a std::string; the texts of this program are
// given as printf formats ("%d x %d", "%2d. %s"), so they are kept that way.

#include <string>

#if defined(__GNUC__)
#define ROOSTER2_PRINTF_FORMAT(formatIndex, firstArg) \
    __attribute__((format(printf, formatIndex, firstArg)))
#else
#define ROOSTER2_PRINTF_FORMAT(formatIndex, firstArg)
#endif

std::string StrFormat(const char* format, ...) ROOSTER2_PRINTF_FORMAT(1, 2);
