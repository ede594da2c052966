#include "cli_common.h"

#include <cstdio>
#include <iostream>

#include "model/rooster2_doc.h"
#include "model/rtr_file.h"

int Fail(const UserMessage& message) { return Fail(message.text); }

int Fail(const std::string& text) {
    std::cerr << text << '\n';
    return EXIT_FAILED;
}

int UsageError(const CliCommand& command, const std::string& reason) {
    if (!reason.empty()) std::cerr << "rooster2-cli " << command.name << ": " << reason << '\n';
    std::cerr << "gebruik: rooster2-cli " << command.name << ' ' << command.usage << '\n';
    return EXIT_USAGE;
}

void WriteStdout(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

bool LoadPuzzle(const std::string& path, CRooster2Doc& doc) {
    const RtrReadResult result = OpenRtrFile(doc, path);
    if (result.status == RtrStatus::Loaded) return true;
    Fail(result.message);
    return false;
}

bool SavePuzzle(CRooster2Doc& doc, const std::string& path) {
    UserMessage message;
    if (SaveRtrFile(doc, path, message)) return true;
    Fail(message);
    return false;
}
