#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The command names of the overview: the first word of each line under "Opdrachten:".
std::vector<std::string> CommandNames(const std::string& overview) {
    std::vector<std::string> names;
    bool inList = false;
    for (const std::string& line : Lines(overview)) {
        if (line == "Opdrachten:")
            inList = true;
        else if (line.empty())
            inList = false;
        else if (inList && line.rfind("  ", 0) == 0 && line[2] != ' ')
            names.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return names;
}

// The words of text that start with prefix, without the brackets around them.
std::vector<std::string> WordsStartingWith(const std::string& text, const std::string& prefix) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        word.erase(0, word.find_first_not_of('['));
        word.erase(word.find_last_not_of(']') + 1);
        if (word.rfind(prefix, 0) == 0) words.push_back(word);
    }
    return words;
}

bool HasTerm(const std::string& help, const std::string& term) {
    for (const std::string& line : Lines(help)) {
        if (line == "  " + term || line.rfind("  " + term + " ", 0) == 0) return true;
    }
    return false;
}

TEST(CliHelp, HelpGoesToStandardOutputWithExitZero) {
    for (const auto& args : {std::initializer_list<std::string>{"--help"}, {"fill", "--help"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(0, run.exitCode);
        EXPECT_EQ("", run.err);
        EXPECT_EQ(0u, run.out.rfind("gebruik: rooster2-cli ", 0)) << run.out;
    }
}

TEST(CliHelp, EveryCommandSaysWhatItDoesAndExplainsEachOption) {
    const std::vector<std::string> names = CommandNames(RunCli({"--help"}).out);
    ASSERT_GE(names.size(), 13u);
    for (const std::string& name : names) {
        const std::string help = RunCli({name, "--help"}).out;
        const std::vector<std::string> lines = Lines(help);
        ASSERT_GE(lines.size(), 3u) << name;
        EXPECT_FALSE(lines[2].empty()) << name << " zegt niet wat het doet";
        for (const std::string& option : WordsStartingWith(lines[0], "--"))
            EXPECT_TRUE(HasTerm(help, option)) << name << " legt " << option << " niet uit";
    }
}

TEST(CliHelp, EveryExportAndImportKindIsExplained) {
    for (const std::string command : {"export", "import"}) {
        const std::string refusal = RunCli({command, "onbekend", "a", "b"}).err;
        const std::string listed = "KIND is een van: ";
        const std::size_t at = refusal.find(listed);
        ASSERT_NE(std::string::npos, at) << refusal;
        std::string kinds = refusal.substr(at + listed.size());
        kinds = kinds.substr(0, kinds.find('\n'));
        const std::string help = RunCli({command, "--help"}).out;
        std::istringstream in(kinds);
        for (std::string kind; std::getline(in >> std::ws, kind, ',');)
            EXPECT_TRUE(HasTerm(help, kind)) << command << " legt " << kind << " niet uit";
    }
}

}  // namespace
