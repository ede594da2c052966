#pragma once
// The version text of the program: shown in the about box and written into
// the HTML export as the page's generator.

#include <string>

std::string VersionText();
