#include "core/settings_folder.h"

#include "support/month_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace pluvelle {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::WriteFile;

TEST(SettingsFolder, WritableProgramFolderHoldsTheSettings) {
    TempDir dir;
    const std::string program = dir.file("program"), user = dir.file("user");
    fs::create_directories(program);
    EXPECT_EQ(fs::path(SettingsFileForWriting(program, user, "configensol.txt")), fs::path(program) / "configensol.txt");
    EXPECT_FALSE(fs::exists(user));

    // Nothing written yet: the program folder's path, which reads as no settings.
    EXPECT_EQ(fs::path(SettingsFileForReading(program, user, "configensol.txt")), fs::path(program) / "configensol.txt");
    // A copy left in the user's folder (the program was moved) is still found...
    fs::create_directories(user);
    WriteFile(dir.file("user/configensol.txt"), "45\r\n0\r\n50\r\n");
    EXPECT_EQ(fs::path(SettingsFileForReading(program, user, "configensol.txt")), fs::path(user) / "configensol.txt");
    // ...until one is written where the program writes.
    WriteFile(dir.file("program/configensol.txt"), "44\r\n0\r\n50\r\n");
    EXPECT_EQ(fs::path(SettingsFileForReading(program, user, "configensol.txt")), fs::path(program) / "configensol.txt");
}

TEST(SettingsFolder, UnwritableProgramFolderFallsBackToTheUserFolder) {
    TempDir dir;
    const std::string program = dir.file("not-there/program"), user = dir.file("config/Pluvelle");
    const fs::path written = SettingsFileForWriting(program, user, "configIC.txt");
    EXPECT_EQ(written, fs::path(user) / "configIC.txt");
    EXPECT_TRUE(fs::is_directory(user));
    WriteFile(written.string(), "x\r\n");
    EXPECT_EQ(fs::path(SettingsFileForReading(program, user, "configIC.txt")), written);
}

TEST(SettingsFolder, NoUserFolderKeepsTheProgramFolder) {
    EXPECT_EQ(fs::path(SettingsFileForWriting("/no/such/folder", "", "configensol.txt")),
              fs::path("/no/such/folder") / "configensol.txt");
    EXPECT_EQ(fs::path(SettingsFileForReading("/no/such/folder", "", "configensol.txt")),
              fs::path("/no/such/folder") / "configensol.txt");
}

#ifndef _WIN32
TEST(SettingsFolder, UserFolderFollowsTheXdgRules) {
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = savedXdg ? savedXdg : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-config", 1);
    EXPECT_EQ(UserSettingsFolder(), "/tmp/xdg-config/Pluvelle");
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    const char* home = std::getenv("HOME");
    if (home && *home) {
        EXPECT_EQ(fs::path(UserSettingsFolder()), fs::path(home) / ".config" / "Pluvelle");
    }
    if (savedXdg) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
}
#endif

} // namespace
} // namespace pluvelle
