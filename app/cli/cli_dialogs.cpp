#include "cli_dialogs.h"

#include <ostream>

namespace pluvelle::cli {

CliDialogs::CliDialogs(std::ostream& err) : err_(err) {}

std::optional<std::string> CliDialogs::nextName() {
    if (names_.empty()) return std::nullopt;
    std::string n = names_.front();
    names_.pop_front();
    return n;
}

std::optional<std::string> CliDialogs::askOpenFileName(const std::string&) { return nextName(); }
std::optional<std::string> CliDialogs::askSaveFileName(const std::string&, const std::string&) { return nextName(); }

void CliDialogs::showMessage(MessageKind, const std::string& text) {
    // A message is one line on stderr, whatever line breaks the window's box shows.
    std::string line;
    for (char c : text) {
        const bool lineBreak = c == '\r' || c == '\n';
        if (lineBreak && (line.empty() || line.back() == ' ')) continue;
        line += lineBreak ? ' ' : c;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    err_ << line << '\n';
}

Answer CliDialogs::askYesNoCancel(const std::string&) { return Answer::No; }
Answer CliDialogs::askTimeBaseQuestion(const std::string&) { return timeBase_; }

} // namespace pluvelle::cli
