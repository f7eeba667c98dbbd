#include "scripted_dialogs.h"

namespace pluvelle::testing {

ScriptedDialogs& ScriptedDialogs::fileName(std::optional<std::string> name) {
    names_.push_back(std::move(name));
    return *this;
}
ScriptedDialogs& ScriptedDialogs::answer(Answer a) {
    answers_.push_back(a);
    return *this;
}
ScriptedDialogs& ScriptedDialogs::timeBase(Answer a) {
    timeBases_.push_back(a);
    return *this;
}

namespace {
template <typename T, typename U>
T Next(std::deque<T>& queue, U fallback, int& unanswered) {
    if (queue.empty()) {
        ++unanswered;
        return fallback;
    }
    T v = std::move(queue.front());
    queue.pop_front();
    return v;
}
} // namespace

std::optional<std::string> ScriptedDialogs::askOpenFileName(const std::string& filter) {
    shown_.push_back({Shown::What::OpenFile, MessageKind::Information, filter, ""});
    return Next(names_, std::optional<std::string>(), unanswered_);
}

std::optional<std::string> ScriptedDialogs::askSaveFileName(const std::string& filter, const std::string& ext) {
    shown_.push_back({Shown::What::SaveFile, MessageKind::Information, filter, ext});
    return Next(names_, std::optional<std::string>(), unanswered_);
}

void ScriptedDialogs::showMessage(MessageKind kind, const std::string& text) {
    shown_.push_back({Shown::What::Message, kind, text, ""});
}

Answer ScriptedDialogs::askYesNoCancel(const std::string& text) {
    shown_.push_back({Shown::What::YesNoCancel, MessageKind::Confirmation, text, ""});
    return Next(answers_, Answer::Cancel, unanswered_);
}

Answer ScriptedDialogs::askTimeBaseQuestion(const std::string& text) {
    shown_.push_back({Shown::What::TimeBase, MessageKind::Confirmation, text, ""});
    return Next(timeBases_, Answer::Cancel, unanswered_);
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> out;
    for (const auto& s : shown_)
        if (s.what == Shown::What::Message) out.push_back(s.text);
    return out;
}

} // namespace pluvelle::testing
