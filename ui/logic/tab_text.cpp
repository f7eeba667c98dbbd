#include "tab_text.h"

namespace pluvelle {

namespace {

// Reads one quoted cell starting after its opening quote; stops after the
// closing quote (or at the end of a text cut short).
std::size_t ReadQuoted(std::string_view text, std::size_t at, std::string& cell) {
    while (at < text.size()) {
        const char c = text[at++];
        if (c != '"') {
            cell += c;
        } else if (at < text.size() && text[at] == '"') {
            cell += '"';
            ++at;
        } else {
            break;
        }
    }
    return at;
}

bool NeedsQuotes(const std::string& cell) { return cell.find_first_of("\t\r\n\"") != std::string::npos; }

} // namespace

TextBlock ParseTabText(std::string_view text) {
    TextBlock rows;
    std::vector<std::string> row;
    std::string cell;
    std::size_t at = 0;
    bool rowOpen = false;  // something of the current row was read
    while (at < text.size()) {
        const char c = text[at];
        if (c == '"' && cell.empty()) {
            at = ReadQuoted(text, at + 1, cell);
            rowOpen = true;
        } else if (c == '\t') {
            row.push_back(std::move(cell));
            cell.clear();
            rowOpen = true;
            ++at;
        } else if (c == '\r' || c == '\n') {
            row.push_back(std::move(cell));
            cell.clear();
            rows.push_back(std::move(row));
            row.clear();
            rowOpen = false;
            at += (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
        } else {
            cell += c;
            rowOpen = true;
            ++at;
        }
    }
    if (rowOpen) {
        row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string FormatTabText(const TextBlock& block) {
    std::string out;
    for (const auto& row : block) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += '\t';
            const std::string& cell = row[c];
            if (!NeedsQuotes(cell)) {
                out += cell;
                continue;
            }
            out += '"';
            for (char ch : cell) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            out += '"';
        }
        out += '\n';
    }
    return out;
}

} // namespace pluvelle
