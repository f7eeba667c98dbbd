#pragma once
// What a command may ask of the person at the keyboard. Every command's flow
// is written once against this interface; the window, the tests and the
// batch tool each provide their own answers.
#include <optional>
#include <string>

namespace pluvelle {

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class Answer { Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // `filter` is "Description|*.ext". An empty optional means cancelled.
    virtual std::optional<std::string> askOpenFileName(const std::string& filter) = 0;
    virtual std::optional<std::string> askSaveFileName(const std::string& filter,
                                                       const std::string& defaultExtension) = 0;
    // A modal message with a single "Oui" button.
    virtual void showMessage(MessageKind kind, const std::string& text) = 0;
    // "Oui" / "Non" / "Annuler"; closing the box answers Cancel.
    virtual Answer askYesNoCancel(const std::string& text) = 0;
    // The time-base question: "Légales" answers Yes, "UTC" answers No, a box
    // dismissed otherwise answers Cancel.
    virtual Answer askTimeBaseQuestion(const std::string& text) = 0;
    // The batch tool writes exactly the names it was given; dialogs add the
    // command's extension to a name typed without it.
    virtual bool keepsExactFileNames() const { return false; }
};

// The name a save flow writes to: `name` with `extension` appended unless it
// already ends with it exactly (case-sensitive), or unchanged for the batch tool.
std::string SaveName(const Dialogs& dialogs, const std::string& name, const std::string& extension);

// How a command ended, for the batch tool's exit status.
enum class CommandResult {
    Done,       // ran to its end (warnings it went on after included)
    Cancelled,  // the user cancelled a dialog: nothing was done
    Refused,    // stopped on an expected refusal, with its message
    Failed      // stopped on an error shown by the top-level handler
};

} // namespace pluvelle
