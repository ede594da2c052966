#pragma once
// The version text of the program: shown in the about box and on the start-up
// picture, and written into the HTML export as the page's generator.

#include <string>

// "Rooster2 versie 2.0.0\nGemaakt op 7 december 2026": the project's version and the
// day this file was compiled.
std::string VersionText();

// A compiler date ("Dec  7 2026") in Dutch ("7 december 2026"); the text itself when it
// is no such date.
std::string DutchBuildDate(const std::string& compilerDate);
