#pragma once
// The text files Pluvelle writes: Windows-1252 bytes, ";" separated fields,
// CR LF line ends. Texts inside the program are UTF-8.
#include <fstream>
#include <string>
#include <string_view>

namespace pluvelle {

// Characters with no Windows-1252 byte become "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

// Writes lines as they come; throws IoError when the file cannot be created
// or a write fails. What was written before a failure stays in the file.
class TextFileWriter {
public:
    explicit TextFileWriter(const std::string& path);
    void writeLine(std::string_view utf8);  // encodes and appends CR LF
    void close();

private:
    std::string path_;
    std::ofstream out_;
};

} // namespace pluvelle
