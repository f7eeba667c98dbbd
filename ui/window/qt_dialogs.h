#pragma once
// The dialogs of the window: Qt file dialogs and French message boxes.
#include "core/dialogs.h"

#include <QMessageBox>
#include <QString>

class QWidget;

namespace pluvelle::ui {

// "Description|*.ext|Other|*.b" becomes "Description (*.ext);;Other (*.b)".
QString QtFileFilter(const std::string& filter);

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent);

    std::optional<std::string> askOpenFileName(const std::string& filter) override;
    std::optional<std::string> askSaveFileName(const std::string& filter, const std::string& ext) override;
    void showMessage(MessageKind kind, const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;
    Answer askTimeBaseQuestion(const std::string& text) override;

private:
    std::optional<std::string> askFileName(bool save, const std::string& filter, const std::string& ext);

    QWidget* parent_;
    QString folder_;  // where the next file dialog opens: the current folder, then the last one used
};

} // namespace pluvelle::ui
