#include "infoclimat/infoclimat_panel.h"
#include "infoclimat/infoclimat_settings.h"

#include "core/errors.h"
#include "support/month_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace pluvelle {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

char Alphabet(int index) { return PasswordAlphabet[static_cast<std::size_t>(index % 62)]; }
int IndexOf(char c) { return static_cast<int>(PasswordAlphabet.find(c)); }

TEST(PasswordScrambling, ShiftsEachPositionByItsKeyAndWraps) {
    // Position j moves by PasswordKey[j] around the 62 characters, so "z" at a
    // position with a non-zero key comes out near the start of the alphabet.
    const std::string plain = "0Az9aZz";
    const std::string scrambled = ScramblePassword(plain);
    ASSERT_EQ(scrambled.size(), plain.size());
    for (std::size_t j = 0; j < plain.size(); ++j)
        EXPECT_EQ(scrambled[j], Alphabet(IndexOf(plain[j]) + PasswordKey[j])) << "position " << j + 1;
    EXPECT_EQ(UnscramblePassword(scrambled), plain);
}

TEST(PasswordScrambling, KeyHasTwentyValuesWithinTheAlphabet) {
    for (int k : PasswordKey) {
        EXPECT_GE(k, 0);
        EXPECT_LE(k, 61);
    }
}

TEST(PasswordScrambling, RoundTripsEveryAlphabetCharacterAtEveryPosition) {
    for (std::size_t shift = 0; shift < PasswordAlphabet.size(); ++shift) {
        std::string plain;
        for (std::size_t j = 0; j < kStoredPasswordLength; ++j)
            plain += PasswordAlphabet[(shift + j) % PasswordAlphabet.size()];
        const std::string scrambled = ScramblePassword(plain);
        EXPECT_EQ(scrambled.find_first_not_of(PasswordAlphabet), std::string::npos);
        EXPECT_EQ(UnscramblePassword(scrambled), plain);
    }
}

TEST(PasswordScrambling, CharactersOutsideTheAlphabetPassThrough) {
    struct Case {
        const char* plain;
        std::vector<std::size_t> kept;  // positions (0-based) that stay as typed
    };
    const Case cases[] = {
        {"", {}},
        {" ", {0}},
        {"a-b", {1}},
        {"p@ss w0rd!", {1, 4, 9}},
        {"\xc3\xa9t\xc3\xa9", {}},  // "été": the accented letters are kept, the "t" moves
    };
    for (const Case& c : cases) {
        const std::string scrambled = ScramblePassword(c.plain);
        EXPECT_EQ(UnscramblePassword(scrambled), c.plain) << c.plain;
        for (std::size_t at : c.kept) EXPECT_EQ(scrambled[at], c.plain[at]) << c.plain;
    }
    // Multi-byte characters still use up one key position each.
    const std::string ete = ScramblePassword("\xc3\xa9t\xc3\xa9");
    EXPECT_EQ(ete, std::string("\xc3\xa9") + Alphabet(IndexOf('t') + PasswordKey[1]) + "\xc3\xa9");
}

TEST(PasswordScrambling, WorksOnTheFirstTwentyCharactersOnly) {
    const std::string plain = "ABCDEFGHIJKLMNOPQRSTUVWXY";  // 25 characters
    EXPECT_EQ(ScramblePassword(plain).size(), 20u);
    EXPECT_EQ(UnscramblePassword(ScramblePassword(plain)), plain.substr(0, 20));
    EXPECT_EQ(FirstCharacters("\xc3\xa9\xc3\xa9\xc3\xa9", 2), "\xc3\xa9\xc3\xa9");
}

TEST(ConfigICFile, RoundTripsTheThreeValuesWithTheStoredLayout) {
    TempDir dir;
    const InfoClimatSettings written{"07123", "Jean Dupr\xc3\xa9", "abcXYZ019"};
    WriteInfoClimatSettings(dir.file("configIC.txt"), written);
    const std::string bytes = ReadFile(dir.file("configIC.txt"));
    EXPECT_EQ(bytes, "07123\r\nJean Dupr\xe9\r\n" + ScramblePassword("abcXYZ019") + "\r\n");
    const auto read = ReadInfoClimatSettings(dir.file("configIC.txt"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->stationCode, written.stationCode);
    EXPECT_EQ(read->userName, written.userName);
    EXPECT_EQ(read->password, written.password);
}

TEST(ConfigICFile, LongPasswordIsStoredAsTwentyCharactersAndEmptyStaysEmpty) {
    TempDir dir;
    WriteInfoClimatSettings(dir.file("configIC.txt"), {"1", "u", std::string(25, 'k')});
    EXPECT_EQ(ReadInfoClimatSettings(dir.file("configIC.txt"))->password, std::string(20, 'k'));
    WriteInfoClimatSettings(dir.file("configIC.txt"), {"1", "u", ""});
    EXPECT_EQ(ReadFile(dir.file("configIC.txt")), "1\r\nu\r\n\r\n");
    EXPECT_EQ(ReadInfoClimatSettings(dir.file("configIC.txt"))->password, "");
}

TEST(ConfigICFile, MissingFileOrLinesReadAsAbsentOrEmpty) {
    TempDir dir;
    EXPECT_FALSE(ReadInfoClimatSettings(dir.file("configIC.txt")));
    WriteFile(dir.file("configIC.txt"), "07123\n");
    const auto read = ReadInfoClimatSettings(dir.file("configIC.txt"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->stationCode, "07123");
    EXPECT_EQ(read->userName, "");
    EXPECT_EQ(read->password, "");
}

#ifndef _WIN32
mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 0777;
}

TEST(ConfigICFile, IsReadableByItsOwnerOnlyEvenWhenAnOlderFileWasNot) {
    TempDir dir;
    const std::string path = dir.file("configIC.txt");
    WriteInfoClimatSettings(dir.file("configIC.txt"), {"1", "u", "p"});
    EXPECT_EQ(ModeOf(path), 0600u);
    ::chmod(path.c_str(), 0644);
    WriteInfoClimatSettings(dir.file("configIC.txt"), {"2", "u", "p"});
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

#endif

TEST(ConfigICFile, FailedWriteThrowsAndKeepsTheOldFile) {
    TempDir dir;
    WriteInfoClimatSettings(dir.file("configIC.txt"), {"1", "u", "p"});
    const std::string path = dir.file("configIC.txt");
    const std::string before = ReadFile(path);
    std::filesystem::create_directory(path + ".tmp");  // the new file cannot be created
    EXPECT_THROW(WriteInfoClimatSettings(dir.file("configIC.txt"), {"2", "v", "q"}), IoError);
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_THROW(WriteInfoClimatSettings(dir.file("no-such-folder/configIC.txt"), {"2", "v", "q"}), IoError);
}

TEST(InfoClimatPanel, FillsTheEditsFromTheFileOrLeavesThemAsTyped) {
    TempDir program, user;
    const ConfigICFolders folders{program.path().string(), user.path().string()};
    InfoClimatEdits edits{"typed", "typed user", "typed pass"};
    FillInfoClimatEdits(folders, edits);  // no file yet
    EXPECT_EQ(edits.codeStation, "typed");
    EXPECT_EQ(edits.passeIC, "typed pass");

    WriteInfoClimatSettings(program.file("configIC.txt"), {"07123", "station", "ABCDEFGHIJKLMNOPQRSTUVWXY"});
    FillInfoClimatEdits(folders, edits);
    EXPECT_EQ(edits.codeStation, "07123");
    EXPECT_EQ(edits.utilIC, "station");
    EXPECT_EQ(edits.passeIC, "ABCDEFGHIJKLMNOPQRST");
}

} // namespace
} // namespace pluvelle
