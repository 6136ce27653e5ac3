// The manual page: nimbus_manpage TEMPLATE OUTPUT copies the template, putting the
// options of the command line in place of its marker line, one tagged paragraph each,
// the help line made a sentence. Exits 1, naming the file, when the template cannot be
// read, has no marker, or the page cannot be written.
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#include "core/Log.h"
#include "game/launch/CommandLine.h"

namespace {

const char* const kMarker = ".\\\" The options of the command line go here.";

// Text for roff: a backslash and a hyphen written as the escapes that print them.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

// The help line as a sentence, its value's name in italics, as the names above it show it.
std::string sentence(const nimbus::CommandLine::Option& option) {
    std::string text = escaped(option.help);
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (option.value) {
        const std::string value = escaped(option.value);
        const std::string italic = "\\fI" + value + "\\fR";
        for (size_t at = 0; (at = text.find(value, at)) != std::string::npos; at += italic.size())
            text.replace(at, value.size(), italic);
    }
    return text + ".\n";
}

std::string optionList() {
    std::string list;
    for (const nimbus::CommandLine::Option& option : nimbus::CommandLine::options()) {
        list += ".TP\n\\fB" + escaped(option.name) + "\\fR";
        if (option.value) list += " \\fI" + escaped(option.value) + "\\fR";
        if (option.alias) list += ", \\fB" + escaped(option.alias) + "\\fR";
        list += "\n" + sentence(option);
    }
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        LOG_ERROR("usage: nimbus_manpage TEMPLATE OUTPUT");
        return 1;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        LOG_ERROR("Failed to read " << argv[1]);
        return 1;
    }
    std::ostringstream page;
    bool marked = false;
    for (std::string line; std::getline(in, line);) {
        if (line == kMarker) {
            page << optionList();
            marked = true;
        } else {
            page << line << '\n';
        }
    }
    if (!marked) {
        LOG_ERROR(argv[1] << " has no line '" << kMarker << "' to put the options in");
        return 1;
    }
    std::ofstream out(argv[2]);
    if (!(out << page.str()) || !out.flush()) {
        LOG_ERROR("Failed to write " << argv[2]);
        return 1;
    }
    return 0;
}
