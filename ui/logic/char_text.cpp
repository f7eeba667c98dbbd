#include "char_text.h"

namespace pluvelle {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset of character `index` (0-based), or the text's size past the end.
std::size_t ByteOffset(std::string_view s, std::size_t index) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < index && at < s.size(); ++n) {
        ++at;
        while (at < s.size() && IsContinuationByte(s[at])) ++at;
    }
    return at;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string CharSlice(std::string_view utf8, std::size_t first, std::size_t count) {
    if (first == 0 || count == 0) return std::string();
    const std::size_t from = ByteOffset(utf8, first - 1);
    const std::size_t to = from + ByteOffset(utf8.substr(from), count);
    return std::string(utf8.substr(from, to - from));
}

std::optional<int> ParseDigits(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> ParseEditInteger(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const auto magnitude = ParseDigits(negative ? text.substr(1) : text);
    if (!magnitude) return std::nullopt;
    return negative ? -*magnitude : *magnitude;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 18) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

} // namespace pluvelle
