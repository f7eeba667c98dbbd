#pragma once
// What the fuzz targets share: dialogs that answer every question at once,
// and a scratch folder for targets that read files from disk.
#include "core/dialogs.h"

#include <cstdint>
#include <deque>
#include <string>

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

} // namespace pluvelle::fuzz
