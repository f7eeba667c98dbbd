#pragma once
// Dialogs for tests: answers queued in advance, every message and question
// recorded in order so a test can assert the exact dialogue.
#include "core/dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace pluvelle::testing {

struct Shown {
    enum class What { OpenFile, SaveFile, Message, YesNoCancel, TimeBase } what;
    MessageKind kind = MessageKind::Information;  // for messages
    std::string text;                             // message text, question, or filter
    std::string extension;                        // default extension of a save dialog
};

class ScriptedDialogs : public Dialogs {
public:
    // Queue the answers; an empty optional answers a file dialog with Cancel.
    ScriptedDialogs& fileName(std::optional<std::string> name);
    ScriptedDialogs& answer(Answer a);
    ScriptedDialogs& timeBase(Answer a);  // Yes = "Légales", No = "UTC"

    std::optional<std::string> askOpenFileName(const std::string& filter) override;
    std::optional<std::string> askSaveFileName(const std::string& filter, const std::string& ext) override;
    void showMessage(MessageKind kind, const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;
    Answer askTimeBaseQuestion(const std::string& text) override;

    const std::vector<Shown>& shown() const { return shown_; }
    // The texts of the messages shown, in order.
    std::vector<std::string> messages() const;
    // Questions asked with no answer queued (a test's script ran out).
    int unanswered() const { return unanswered_; }

private:
    std::deque<std::optional<std::string>> names_;
    std::deque<Answer> answers_;
    std::deque<Answer> timeBases_;
    std::vector<Shown> shown_;
    int unanswered_ = 0;
};

} // namespace pluvelle::testing
