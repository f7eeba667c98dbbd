#pragma once
// Tab-separated text, the form spreadsheets put on the clipboard: one line
// per row, cells separated by tabs. A cell holding a tab, a line end or a
// quote is written between quotes, with quotes doubled.
#include <string>
#include <string_view>
#include <vector>

namespace pluvelle {

using TextBlock = std::vector<std::vector<std::string>>;

// Rows of cells. Lines end with CR LF, LF or CR; the line end after the last
// row (spreadsheets always write one) adds no row.
TextBlock ParseTabText(std::string_view text);

// Every row ends with a line end ("\n"; the clipboard turns it into the
// platform's own).
std::string FormatTabText(const TextBlock& block);

} // namespace pluvelle
