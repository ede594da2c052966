#include "cli_help.h"

#include <algorithm>
#include <sstream>

namespace {

constexpr std::size_t LINE_WIDTH = 79;
constexpr std::size_t TERM_INDENT = 2;
constexpr std::size_t TEXT_INDENT = 6;

const char* const INTRO =
    "Rooster2 op de opdrachtregel: puzzels maken, bekijken, exporteren en importeren, "
    "woordenlijsten maken en doorzoeken, roosters automatisch vullen en overzichten maken. "
    "Elke opdracht schrijft dezelfde bytes als de overeenkomstige opdracht van het "
    "bureaubladprogramma rooster2.";

const char* const USAGE = "gebruik: rooster2-cli OPDRACHT ...\n";
const char* const HELP_HINT =
    "\"rooster2-cli OPDRACHT --help\" legt een opdracht en haar opties uit.";

const char* const CLOSING_PARAGRAPHS[] = {
    "Een woordenlijstset is een tekstbestand per woordlengte, bijvoorbeeld nl02.doc tot en met "
    "nl19.doc. Waar een SET gevraagd wordt, is een van de bestanden van de set noemen genoeg.",
    "Waar een uitvoerbestand (OUT) gevraagd wordt, schrijft - of /dev/stdout naar de "
    "standaarduitvoer.",
    HELP_HINT,
    "Afsluitcode: 0 gelukt, 1 mislukt (de melding staat op standaardfout), 2 verkeerde "
    "argumenten (het gebruik staat op standaardfout). Raakt het geheugen op, dan is de melding "
    "\"Onvoldoende geheugen\" en de afsluitcode 1.",
};

// The text in lines of at most LINE_WIDTH columns, each indented.
std::string Wrapped(const std::string& text, std::size_t indent) {
    std::string lines;
    std::string line;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (!line.empty() && indent + line.size() + 1 + word.size() > LINE_WIDTH) {
            lines.append(indent, ' ').append(line).push_back('\n');
            line.clear();
        }
        if (!line.empty()) line.push_back(' ');
        line += word;
    }
    if (!line.empty()) lines.append(indent, ' ').append(line).push_back('\n');
    return lines;
}

std::string Term(const std::string& term) { return std::string(TERM_INDENT, ' ') + term + '\n'; }

std::string UsageTerm(const CliCommand& command) {
    return Term(std::string(command.name) + ' ' + command.usage);
}

}  // namespace

bool AsksForHelp(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), "--help") != args.end();
}

void WriteOverview(std::ostream& out, const std::vector<CliCommand>& commands) {
    out << USAGE << '\n' << Wrapped(INTRO, 0) << "\nOpdrachten:\n";
    for (const CliCommand& command : commands)
        out << UsageTerm(command) << Wrapped(command.summary, TEXT_INDENT);
    for (const char* paragraph : CLOSING_PARAGRAPHS) out << '\n' << Wrapped(paragraph, 0);
}

void WriteUsage(std::ostream& out, const std::vector<CliCommand>& commands) {
    out << USAGE << "\nOpdrachten:\n";
    for (const CliCommand& command : commands) out << UsageTerm(command);
    out << '\n' << Wrapped(HELP_HINT, 0);
}

void WriteCommandHelp(std::ostream& out, const CliCommand& command) {
    out << "gebruik: rooster2-cli " << command.name << ' ' << command.usage << "\n\n"
        << Wrapped(command.summary, 0);
    if (command.help == nullptr) return;
    bool afterParagraph = true;
    for (const CliHelpItem& item : command.help()) {
        if (item.term.empty()) {
            out << '\n' << Wrapped(item.text, 0);
        } else {
            if (afterParagraph) out << '\n';
            out << Term(item.term) << Wrapped(item.text, TEXT_INDENT);
        }
        afterParagraph = item.term.empty();
    }
}
