#include "main_window.h"

#include "core/command_runner.h"
#include "core/month_load.h"
#include "core/month_save.h"
#include "core/table_csv.h"
#include "labelled_edit.h"
#include "month_table_model.h"
#include "qt_dialogs.h"
#include "window_fonts.h"
#include "window_layout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace pluvelle::ui {

TForm1::TForm1(Dialogs* dialogs, QWidget* parent) : QWidget(parent) {
    InstallFontSubstitutions();
    if (!dialogs) {
        ownDialogs_ = std::make_unique<QtDialogs>(this);
        dialogs = ownDialogs_.get();
    }
    dialogs_ = dialogs;
    setObjectName("TForm1");
    setWindowTitle("Pluvelle");
    resize(kDesignClientSize);
    controls_ = BuildFormControls(this);
    model_ = new MonthTableModel(session_, this);
    controls_.Tableau->setModel(model_);
    SetLabelText(controls_.Titre, kTitreText);
    SetLabelText(controls_.Attribution, kAttributionText);
    ConnectHandlers();
}

// The grid goes first: closing the window still draws it, from the session,
// which members outlive only until this body ends.
TForm1::~TForm1() { delete controls_.Tableau; }

void TForm1::ConnectHandlers() {
    const FormControls& c = controls_;
    const std::pair<QPushButton*, void (TForm1::*)()> buttons[] = {
        {c.OuvrirWLK, &TForm1::OuvrirWLKClick},
        {c.SauvegardeWLK, &TForm1::SauvegardeWLKClick},
        {c.ExportDonnees, &TForm1::ExportDonneesClick},
        {c.ExportResume1, &TForm1::ExportResume1Click},
        {c.DonneesOMM, &TForm1::DonneesOMMClick},
        {c.Ensol, &TForm1::EnsolOnClick},
        {c.ImportCSV, &TForm1::ImportCSVClick},
        {c.Extremums, &TForm1::ExtremumsClick},
        {c.ExportIC, &TForm1::LireConfigICClick},
        {c.Inserligne, &TForm1::InserligneClick},
        {c.Quitter, &TForm1::QuitterClick},
        {c.ValideInsere, &TForm1::ValideInsereClick},
        {c.AnnuleInsere, &TForm1::AnnuleInsereClick},
        {c.ValideCoordonnees, &TForm1::ValideCoordonneesClick},
        {c.AnnuleCoordonnees, &TForm1::AnnuleCoordonneesClick},
        {c.EnregIC, &TForm1::EnregConfigICClick},
        {c.AnnuleIC, &TForm1::AnnuleConfigICClick},
    };
    for (const auto& [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);
    connect(c.JourInsere, &LabelledEdit::clicked, this, &TForm1::JourInsereClick);
    connect(c.HeureInsere, &LabelledEdit::clicked, this, &TForm1::HeureInsereClick);
    connect(c.MinuteInsere, &LabelledEdit::clicked, this, &TForm1::MinuteInsereClick);
    connect(c.Tableau, &TableauView::cellHovered, this, &TForm1::TableauMouseMove);
    connect(c.Tableau, &TableauView::cellPressed, this, &TForm1::TableauMouseDown);
}

CommandResult TForm1::Run(const std::function<CommandResult()>& command) { return RunCommand(*dialogs_, command); }

// Showing counts as well: without a window manager (a bare X server) the
// window may never be told it became active.
bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) FormActivate();
    return QWidget::event(event);
}

// Each time the window becomes active it takes the whole screen again.
void TForm1::FormActivate() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const ActivationGeometry g = ActivationGeometryFor(s->geometry().size());
    const QSize frame = frameGeometry().size() - size();  // title bar and borders
    move(g.window.topLeft());
    resize(g.window.size() - frame);
    controls_.Attribution->move(g.attributionLeft, kAttributionTop);
    SetLabelText(controls_.Attribution, kAttributionText);
    controls_.Titre->move(g.titleLeft, kTitreTop);
    SetLabelText(controls_.Titre, kTitreText);
    programFolder_ = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + '/').toStdString();
    controls_.Tableau->setGeometry(g.tableLeft, kTableauDesign.top(), g.tableWidth, kTableauDesign.height());
}

void TForm1::OuvrirWLKClick() {
    if (Run([this] { return LoadMonthFlow(session_, *dialogs_); }) != CommandResult::Done) return;
    model_->reload();
    ShowMonthCommands();
}

// Once a month was loaded the commands stay shown until the program ends.
void TForm1::ShowMonthCommands() {
    SetLabelText(controls_.NomFichWlkEnCours,
                 "Fichier en cours d'édition : " + QString::fromStdString(session_.month.currentFilePath));
    const FormControls& c = controls_;
    for (QPushButton* b : {c.ImportCSV, c.ExportDonnees, c.ExportResume1, c.Inserligne, c.SauvegardeWLK,
                           c.DonneesOMM, c.Ensol, c.Extremums, c.ExportIC})
        b->show();
}

void TForm1::SauvegardeWLKClick() {
    Run([this] { return SaveMonthFlow(session_, *dialogs_); });
}

void TForm1::ExportDonneesClick() {
    Run([this] { return ExportTableFlow(session_, *dialogs_); });
}

void TForm1::NotYetAvailable() { dialogs_->showMessage(MessageKind::Information, kNotYetAvailable); }

void TForm1::ExportResume1Click() { NotYetAvailable(); }
void TForm1::DonneesOMMClick() { NotYetAvailable(); }
void TForm1::EnsolOnClick() { NotYetAvailable(); }
void TForm1::ImportCSVClick() { NotYetAvailable(); }
void TForm1::ExtremumsClick() { NotYetAvailable(); }
void TForm1::LireConfigICClick() { NotYetAvailable(); }
void TForm1::InserligneClick() { NotYetAvailable(); }
void TForm1::ValideInsereClick() { NotYetAvailable(); }
void TForm1::ValideCoordonneesClick() { NotYetAvailable(); }
void TForm1::EnregConfigICClick() { NotYetAvailable(); }

// A click into an entry of the insertion band empties it for typing.
void TForm1::JourInsereClick() { controls_.JourInsere->clear(); }
void TForm1::HeureInsereClick() { controls_.HeureInsere->clear(); }
void TForm1::MinuteInsereClick() { controls_.MinuteInsere->clear(); }

void TForm1::AnnuleInsereClick() { ShowInsertionBand(false); }
void TForm1::AnnuleCoordonneesClick() { ShowSunshineBand(false); }
void TForm1::AnnuleConfigICClick() { ShowConfigIC(false); }

void TForm1::TableauMouseMove(TableCell) {}
void TForm1::TableauMouseDown(Qt::MouseButton, TableCell) {}

void TForm1::ShowInsertionBand(bool shown) {
    const FormControls& c = controls_;
    for (QWidget* w : std::initializer_list<QWidget*>{c.JourInsere, c.HeureInsere, c.MinuteInsere, c.ValideInsere,
                                                      c.AnnuleInsere, c.Memo1})
        w->setVisible(shown);
}

void TForm1::ShowSunshineBand(bool shown) {
    const FormControls& c = controls_;
    for (QWidget* w : std::initializer_list<QWidget*>{c.Latitude, c.Longitude, c.Seuil, c.Memo1,
                                                      c.ValideCoordonnees, c.AnnuleCoordonnees})
        w->setVisible(shown);
}

void TForm1::ShowConfigIC(bool shown) { controls_.ConfigIC->setVisible(shown); }

// Yes saves first: the program ends only once the file was written. With no
// month ever loaded there is nothing to save.
bool TForm1::AgreesToEnd() {
    switch (dialogs_->askYesNoCancel(kQuitQuestion)) {
    case Answer::No: return true;
    case Answer::Cancel: return false;
    case Answer::Yes:
        return !session_.monthLoaded ||
               Run([this] { return SaveMonthFlow(session_, *dialogs_); }) == CommandResult::Done;
    }
    return false;
}

void TForm1::QuitterClick() {
    if (AgreesToEnd()) EndProgram();
}

void TForm1::EndProgram() {
    ended_ = true;
    close();
}

// The window manager's close control: edits not yet in a file get the quit
// question rather than being thrown away.
void TForm1::closeEvent(QCloseEvent* event) {
    if (!ended_ && session_.unsavedChanges && !AgreesToEnd()) {
        event->ignore();
        return;
    }
    ended_ = true;
    event->accept();
}

} // namespace pluvelle::ui
