// The window's own dialogs: French captions, the button each answer comes
// from, and file dialogs with the command's filter and extension.
#include "ui/window/qt_dialogs.h"

#include "support/month_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace pluvelle::ui {
namespace {

// Runs `act` on the next modal dialog once it is up.
void OnNextDialog(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog) act(dialog);
    });
}

// The visible buttons' captions, sorted: their order on screen follows the
// platform's convention.
QStringList Captions(QMessageBox* box) {
    QStringList out;
    for (QAbstractButton* b : box->buttons())
        if (b->isVisible()) out << b->text();
    out.sort();
    return out;
}

struct QuestionCase {
    const char* press;  // caption of the button pressed; "" closes the box
    Answer expected;
};

TEST(QtDialogs, YesNoCancelSpeaksFrench) {
    QWidget parent;
    QtDialogs dialogs(&parent);
    const QuestionCase cases[] = {{"Oui", Answer::Yes}, {"Non", Answer::No}, {"Annuler", Answer::Cancel},
                                  {"", Answer::Cancel}};
    for (const QuestionCase& c : cases) {
        QStringList captions;
        QString text;
        OnNextDialog([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            captions = Captions(box);
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QString::fromUtf8(c.press)) b->click();
            if (*c.press == '\0') box->close();
        });
        EXPECT_EQ(dialogs.askYesNoCancel("Voulez-vous enregistrer avant de quitter ?"), c.expected) << c.press;
        EXPECT_EQ(captions, (QStringList{"Annuler", "Non", "Oui"}));
        EXPECT_EQ(text, "Voulez-vous enregistrer avant de quitter ?");
    }
}

TEST(QtDialogs, TimeBaseQuestionHasItsOwnCaptionsAndDismissalMeansCancel) {
    QWidget parent;
    QtDialogs dialogs(&parent);
    const QuestionCase cases[] = {{"Légales", Answer::Yes}, {"UTC", Answer::No}, {"", Answer::Cancel}};
    for (const QuestionCase& c : cases) {
        QStringList captions;
        OnNextDialog([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            captions = Captions(box);
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QString::fromUtf8(c.press)) b->click();
            if (*c.press == '\0') box->close();
        });
        EXPECT_EQ(dialogs.askTimeBaseQuestion("Type d'heure des données"), c.expected) << c.press;
        EXPECT_EQ(captions, (QStringList{"Légales", "UTC"}));
    }
    // The next question is back to the usual captions.
    QStringList captions;
    OnNextDialog([&](QWidget* w) {
        captions = Captions(qobject_cast<QMessageBox*>(w));
        w->close();
    });
    dialogs.askYesNoCancel("?");
    EXPECT_EQ(captions, (QStringList{"Annuler", "Non", "Oui"}));
}

TEST(QtDialogs, MessagesHaveTheirKindsIconAndASingleOui) {
    QWidget parent;
    QtDialogs dialogs(&parent);
    const std::pair<MessageKind, QMessageBox::Icon> cases[] = {
        {MessageKind::Warning, QMessageBox::Warning},
        {MessageKind::Error, QMessageBox::Critical},
        {MessageKind::Information, QMessageBox::Information},
        {MessageKind::Confirmation, QMessageBox::Question},
    };
    for (const auto& [kind, icon] : cases) {
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QStringList captions;
        OnNextDialog([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            shownIcon = box->icon();
            captions = Captions(box);
            box->buttons().front()->click();
        });
        dialogs.showMessage(kind, "Fichier enregistré");
        EXPECT_EQ(shownIcon, icon);
        EXPECT_EQ(captions, QStringList{"Oui"});
    }
}

TEST(QtDialogs, FiltersBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter("Fichiers WLK|*.wlk"), "Fichiers WLK (*.wlk)");
    EXPECT_EQ(QtFileFilter("Fichiers .*wlk|*.wlk"), "Fichiers .*wlk (*.wlk)");
    EXPECT_EQ(QtFileFilter("Fichiers CSV|*.csv|Tous|*.*"), "Fichiers CSV (*.csv);;Tous (*.*)");
}

TEST(QtDialogs, SaveDialogStartsInTheCurrentFolderAndAddsTheExtension) {
    pluvelle::testing::TempDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    QWidget parent;
    QtDialogs dialogs(&parent);
    QString startFolder, suffix;
    QStringList filters;
    OnNextDialog([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        startFolder = dialog->directory().absolutePath();
        suffix = dialog->defaultSuffix();
        filters = dialog->nameFilters();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("juillet");
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's own Save button does
    });
    const auto name = dialogs.askSaveFileName("Fichiers .*wlk|*.wlk", ".wlk");
    QDir::setCurrent(before);
    EXPECT_EQ(startFolder, QDir(QString::fromStdString(dir.path().string())).absolutePath());
    EXPECT_EQ(suffix, "wlk");
    EXPECT_EQ(filters, QStringList{"Fichiers .*wlk (*.wlk)"});
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, dir.file("juillet.wlk"));
}

TEST(QtDialogs, CancelledFileDialogAnswersNothing) {
    QWidget parent;
    QtDialogs dialogs(&parent);
    OnNextDialog([](QWidget* w) { qobject_cast<QFileDialog*>(w)->reject(); });
    EXPECT_FALSE(dialogs.askOpenFileName("Fichiers WLK|*.wlk").has_value());
}

} // namespace
} // namespace pluvelle::ui
