#pragma once
// What the fuzz targets share: dialogs that answer every question at once,
// a scratch folder for targets that read files from disk, and inputs that
// carry several files.
#include "core/dialogs.h"
#include "core/month_session.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace pluvelle::fuzz {

class QuietDialogs : public Dialogs {
public:
    std::deque<std::string> names;
    Answer timeBase = Answer::Yes;
    std::optional<std::string> askOpenFileName(const std::string&) override { return next(); }
    std::optional<std::string> askSaveFileName(const std::string&, const std::string&) override { return next(); }
    void showMessage(MessageKind, const std::string&) override {}
    Answer askYesNoCancel(const std::string&) override { return Answer::No; }
    Answer askTimeBaseQuestion(const std::string&) override { return timeBase; }

private:
    std::optional<std::string> next();
};

// A fresh, empty folder of this process (as UTF-8, trailing separator included).
std::string ScratchFolder();
void WriteBytes(const std::string& path, const std::uint8_t* data, std::size_t size);
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
// Lines ended by CR LF in a file the program wrote.
std::size_t CountLines(const std::string& path);

// An input holding several files separates them with this marker; the last
// part keeps whatever follows, markers included.
inline constexpr std::string_view kPartSeparator = "#PLVSEP#";
std::vector<std::string_view> SplitParts(const std::uint8_t* data, std::size_t size, std::size_t maxParts);

// The first byte of an input, used for a target's choices, and the rest.
struct Choices {
    std::uint8_t bits = 0;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    bool has(int bit) const { return (bits >> bit) & 1u; }
};
Choices TakeChoices(const std::uint8_t* data, std::size_t size);

// A small, plausible month file (two days of ten-minute records with sun
// by day), for targets whose input is not the month itself.
std::string SmallMonthBytes();

// Opens `bytes` as the month the user had loaded from `path`; false when they
// are no month, leaving the session's empty store named after `path`.
bool OpenMonth(MonthSession& s, std::string_view bytes, const std::string& path);
// Days with data of month file bytes that load.
std::size_t DataDays(std::string_view bytes, const std::string& path);

// Stops the fuzzer with `what` on stderr: a property the program promises was broken.
[[noreturn]] void Broken(const std::string& what);

} // namespace pluvelle::fuzz
