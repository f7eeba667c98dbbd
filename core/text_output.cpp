#include "text_output.h"

#include "errors.h"
#include "paths.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace pluvelle {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252 (0 where the byte is unused).
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
    return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::string Utf8ToCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 3 ? (c & 0x07) : extra == 2 ? (c & 0x0F) : (c & 0x1F);
        std::size_t j = i + 1;
        bool ok = extra > 0;
        for (int k = 0; k < extra && ok; ++k, ++j) {
            if (j >= s.size() || (static_cast<unsigned char>(s[j]) & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (static_cast<unsigned char>(s[j]) & 0x3F);
        }
        out.push_back(ok ? ToCp1252(cp) : '?');
        i = ok ? j : i + 1;
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        char32_t cp = c;
        if (c >= 0x80 && c < 0xA0) cp = kHigh[c - 0x80] ? kHigh[c - 0x80] : 0xFFFD;
        AppendUtf8(out, cp);
    }
    return out;
}

TextFileWriter::TextFileWriter(const std::string& path)
    : path_(path), out_(PathFromUtf8(path), std::ios::binary | std::ios::trunc) {
    if (!out_) throw IoError("Impossible de créer le fichier " + path + " : " + std::strerror(errno));
}

void TextFileWriter::writeLine(std::string_view utf8) {
    const std::string bytes = Utf8ToCp1252(utf8);
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out_.write("\r\n", 2);
    if (!out_) throw IoError("Erreur d'écriture dans le fichier " + path_ + " : " + std::strerror(errno));
}

void TextFileWriter::close() {
    out_.flush();
    const bool ok = static_cast<bool>(out_);
    out_.close();
    if (!ok || !out_) throw IoError("Erreur d'écriture dans le fichier " + path_ + " : " + std::strerror(errno));
}

} // namespace pluvelle
