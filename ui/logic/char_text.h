#pragma once
// Small text helpers for the editor: slicing by characters (cells hold UTF-8,
// the design counts characters) and reading whole numbers typed by hand.
#include <optional>
#include <string>
#include <string_view>

namespace pluvelle {

// Characters first..first+count-1 (1-based) of a UTF-8 text; positions past
// the end give fewer characters, or the empty text.
std::string CharSlice(std::string_view utf8, std::size_t first, std::size_t count);

// 1 or more ASCII digits, nothing else.
std::optional<int> ParseDigits(std::string_view text);

// An optional "-" then digits, nothing else (no spaces, no "+"): the texts of
// the insertion edits are copied into a date, so only plain numbers pass.
std::optional<int> ParseEditInteger(std::string_view text);

// A whole number as a person types it in a cell: spaces around and a sign
// allowed. Numbers of more than 18 digits do not count as whole numbers.
std::optional<long long> ParseWholeNumber(std::string_view text);

} // namespace pluvelle
