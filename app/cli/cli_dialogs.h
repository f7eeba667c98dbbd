#pragma once
// Dialogs for the batch tool: file names and the time base come from the
// command line, messages go to stderr one per line in the window's French.
#include "core/dialogs.h"

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>

namespace pluvelle::cli {

class CliDialogs : public Dialogs {
public:
    explicit CliDialogs(std::ostream& err);

    void queueFileName(const std::string& name) { names_.push_back(name); }
    void setTimeBaseAnswer(Answer a) { timeBase_ = a; }

    std::optional<std::string> askOpenFileName(const std::string& filter) override;
    std::optional<std::string> askSaveFileName(const std::string& filter, const std::string& ext) override;
    void showMessage(MessageKind kind, const std::string& text) override;
    // No one is there to answer: questions get "Non".
    Answer askYesNoCancel(const std::string& text) override;
    Answer askTimeBaseQuestion(const std::string& text) override;
    bool keepsExactFileNames() const override { return true; }

private:
    std::optional<std::string> nextName();
    std::ostream& err_;
    std::deque<std::string> names_;
    Answer timeBase_ = Answer::Yes;
};

} // namespace pluvelle::cli
