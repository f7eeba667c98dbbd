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
    // Multi-line messages stay one line each, as the window shows them in one box.
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        line += c == '\n' ? ' ' : c;
    }
    err_ << line << '\n';
}

Answer CliDialogs::askYesNoCancel(const std::string&) { return Answer::No; }
Answer CliDialogs::askTimeBaseQuestion(const std::string&) { return timeBase_; }

} // namespace pluvelle::cli
