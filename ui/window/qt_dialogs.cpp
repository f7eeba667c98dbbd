#include "qt_dialogs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QStringList>

namespace pluvelle::ui {

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
    return filters.join(";;");
}

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString TitleOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return "Avertissement";
    case MessageKind::Error: return "Erreur";
    case MessageKind::Information: return "Information";
    case MessageKind::Confirmation: return "Confirmation";
    }
    return {};
}

// Runs a question box whose buttons are (caption, answer) pairs; closing the
// box without a button answers Cancel.
Answer Ask(QWidget* parent, const std::string& text,
           std::initializer_list<std::pair<const char*, Answer>> buttons) {
    QMessageBox box(QMessageBox::Question, TitleOf(MessageKind::Confirmation), QString::fromStdString(text),
                    QMessageBox::NoButton, parent);
    std::vector<std::pair<QAbstractButton*, Answer>> made;
    for (const auto& [caption, answer] : buttons) {
        const auto role = answer == Answer::Yes  ? QMessageBox::YesRole
                          : answer == Answer::No ? QMessageBox::NoRole
                                                 : QMessageBox::RejectRole;
        QAbstractButton* b = box.addButton(QString::fromUtf8(caption), role);
        if (answer == Answer::Cancel) box.setEscapeButton(b);
        made.emplace_back(b, answer);
    }
    if (!box.escapeButton()) {
        // Without a visible cancel, Escape or the close control would answer
        // with one of the buttons; a hidden one makes them a dismissal.
        QAbstractButton* dismiss = box.addButton(QMessageBox::Cancel);
        dismiss->hide();
        box.setEscapeButton(dismiss);
    }
    box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    box.exec();
    for (const auto& [b, answer] : made)
        if (box.clickedButton() == b) return answer;
    return Answer::Cancel;
}

} // namespace

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent), folder_(QDir::currentPath()) {}

std::optional<std::string> QtDialogs::askFileName(bool save, const std::string& filter, const std::string& ext) {
    QFileDialog dialog(parent_, QString(), folder_, QtFileFilter(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!ext.empty()) dialog.setDefaultSuffix(QString::fromStdString(ext).remove(0, ext.front() == '.' ? 1 : 0));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().front());
    folder_ = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}

std::optional<std::string> QtDialogs::askOpenFileName(const std::string& filter) {
    return askFileName(false, filter, "");
}

std::optional<std::string> QtDialogs::askSaveFileName(const std::string& filter, const std::string& ext) {
    return askFileName(true, filter, ext);
}

void QtDialogs::showMessage(MessageKind kind, const std::string& text) {
    QMessageBox box(IconOf(kind), TitleOf(kind), QString::fromStdString(text), QMessageBox::NoButton, parent_);
    box.addButton("Oui", QMessageBox::AcceptRole);
    box.exec();
}

Answer QtDialogs::askYesNoCancel(const std::string& text) {
    return Ask(parent_, text, {{"Oui", Answer::Yes}, {"Non", Answer::No}, {"Annuler", Answer::Cancel}});
}

Answer QtDialogs::askTimeBaseQuestion(const std::string& text) {
    return Ask(parent_, text, {{"Légales", Answer::Yes}, {"UTC", Answer::No}});
}

} // namespace pluvelle::ui
