#pragma once
// Paths travel through the program as UTF-8 text and become filesystem paths
// only at the edge, so Windows names with accents survive.
#include <filesystem>
#include <string>

namespace pluvelle {

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string PathToUtf8(const std::filesystem::path& path);
// Appends `extension` unless the name already ends with it exactly (case-sensitive).
std::string WithExtension(const std::string& name, const std::string& extension);

} // namespace pluvelle
