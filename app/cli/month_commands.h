#pragma once
#include "cli_commands.h"

namespace pluvelle::cli {

// table, resave.
void AddMonthCommands(std::vector<CliCommand>& commands);
// Each command family lives in its own file.
void AddTableEditorCommands(std::vector<CliCommand>& commands);  // import
void AddExportCommands(std::vector<CliCommand>& commands);       // summaries, wmo
void AddSunshineCommands(std::vector<CliCommand>& commands);     // sunshine, extremes
void AddInfoClimatCommands(std::vector<CliCommand>& commands);   // infoclimat

// Loads MONTH through the open flow; false when it stopped (message shown).
bool LoadForCli(MonthSession& session, CliDialogs& dialogs, const std::string& path);
// "--time-base legal|utc" as the time-base question's answer; throws std::invalid_argument.
Answer TimeBaseAnswer(const CliArgs& args);

} // namespace pluvelle::cli
