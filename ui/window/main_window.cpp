#include "main_window.h"

#include "core/command_runner.h"
#include "core/month_load.h"
#include "core/month_save.h"
#include "core/settings_folder.h"
#include "core/table_csv.h"
#include "exports/daily_summaries.h"
#include "exports/station_extremes.h"
#include "exports/sunshine.h"
#include "exports/wmo_daily.h"
#include "infoclimat/infoclimat_panel.h"
#include "edit_comforts.h"
#include "edit_history.h"
#include "labelled_edit.h"
#include "month_charts.h"
#include "month_table_model.h"
#include "qt_dialogs.h"
#include "ui/logic/table_import.h"
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
    comforts_ = new EditComforts(session_, *model_, *controls_.Tableau, *dialogs_, this);
    SetLabelText(controls_.Titre, kTitreText);
    SetLabelText(controls_.Attribution, kAttributionText);
    ConnectHandlers();
    charts_ = new MonthCharts(this, session_, *model_, *controls_.Tableau);
    connect(charts_->button(), &QPushButton::clicked, this, &TForm1::GraphiquesClick);
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
    programFolder_ = pinnedProgramFolder_ ? *pinnedProgramFolder_
                                          : QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + '/')
                                                .toStdString();
    controls_.Tableau->setGeometry(g.tableLeft, kTableauDesign.top(), g.tableWidth, kTableauDesign.height());
}

void TForm1::OuvrirWLKClick() {
    if (Run([this] { return LoadMonthFlow(session_, *dialogs_); }) != CommandResult::Done) return;
    model_->reload();
    comforts_->monthLoaded();
    ShowMonthCommands();
}

// Once a month was loaded the commands stay shown until the program ends.
void TForm1::ShowMonthCommands() {
    SetLabelText(controls_.NomFichWlkEnCours,
                 "Fichier en cours d'édition : " + QString::fromStdString(session_.month.currentFilePath));
    const FormControls& c = controls_;
    for (QPushButton* b : {c.ImportCSV, c.ExportDonnees, c.ExportResume1, c.Inserligne, c.SauvegardeWLK,
                           c.DonneesOMM, c.Ensol, c.Extremums, c.ExportIC, charts_->button()})
        b->show();
}

void TForm1::SauvegardeWLKClick() {
    if (Run([this] { return SaveMonthFlow(session_, *dialogs_); }) == CommandResult::Done) comforts_->monthSaved();
}

void TForm1::ExportDonneesClick() {
    Run([this] { return ExportTableFlow(session_, *dialogs_); });
}

void TForm1::setProgramFolder(const std::string& folder) {
    pinnedProgramFolder_ = folder;
    programFolder_ = folder;
}

void TForm1::ExportResume1Click() {
    Run([this] { return ExportDailySummariesFlow(session_.month, *dialogs_); });
}

void TForm1::DonneesOMMClick() {
    Run([this] { return ExportWmoDailyFlow(session_.month, *dialogs_); });
}

void TForm1::ExtremumsClick() {
    Run([this] { return StationExtremesFlow(session_.month.currentFolder, *dialogs_); });
}

// An accepted file replaces the table, whose row count may change.
// An import is one undo step.
void TForm1::ImportCSVClick() {
    const auto import = [this] { return Run([this] { return ImportTableFlow(session_, *dialogs_); }); };
    if (comforts_->history().replaceMonth(kImportStep, import) == CommandResult::Done) model_->reload();
}

void TForm1::ShowMemo(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    controls_.Memo1->setPlainText(text.join('\n'));
}

// The band and the sunshine band share their place: one closes the other.
void TForm1::InserligneClick() {
    ShowSunshineBand(false);
    OpenInsertionBand(band_);
    ShowInsertionTexts();
    ShowMemo(band_.Memo1);
    ShowInsertionBand(true);
}

void TForm1::ShowInsertionTexts() {
    controls_.JourInsere->setText(QString::fromStdString(band_.JourInsere));
    controls_.HeureInsere->setText(QString::fromStdString(band_.HeureInsere));
    controls_.MinuteInsere->setText(QString::fromStdString(band_.MinuteInsere));
}

void TForm1::TakeInsertionTexts() {
    band_.JourInsere = controls_.JourInsere->text().toStdString();
    band_.HeureInsere = controls_.HeureInsere->text().toStdString();
    band_.MinuteInsere = controls_.MinuteInsere->text().toStdString();
}

// A refused entry comes back with its remarks in the edits and the band open.
void TForm1::ValideInsereClick() {
    TakeInsertionTexts();
    InsertionResult r;
    Run([&] {
        r = comforts_->history().validateInsertion(band_);  // one undo step
        return r.inserted ? CommandResult::Done : CommandResult::Refused;
    });
    ShowInsertionTexts();
    if (!r.inserted) return;
    model_->reload();
    SelectTableRow(r.row);
    ShowInsertionBand(band_.open);
}

// The row in sight, selected across its values, the columns scrolled as they were.
void TForm1::SelectTableRow(int row) {
    QAbstractItemView* t = controls_.Tableau;
    const QModelIndex first = model_->index(row, 1);
    t->scrollTo(model_->index(row, 0), QAbstractItemView::PositionAtCenter);
    t->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    t->selectionModel()->select(QItemSelection(first, model_->index(row, kColumnCount - 1)),
                                QItemSelectionModel::ClearAndSelect);
}

void TForm1::EnsolOnClick() {
    const SunshineTexts shown{controls_.Latitude->text().toStdString(), controls_.Longitude->text().toStdString(),
                              controls_.Seuil->text().toStdString()};
    std::optional<SunshineTexts> texts;
    Run([&] {
        texts = OpenSunshinePanel(session_.month, *dialogs_, programFolder_, shown);
        return texts ? CommandResult::Done : CommandResult::Refused;
    });
    if (!texts) return;
    CancelInsertion(band_);
    ShowInsertionBand(false);
    controls_.Latitude->setText(QString::fromStdString(texts->latitude));
    controls_.Longitude->setText(QString::fromStdString(texts->longitude));
    controls_.Seuil->setText(QString::fromStdString(texts->threshold));
    ShowMemo(SunshineInstructionLines());
    ShowSunshineBand(true);
}

void TForm1::ValideCoordonneesClick() {
    const SunshineRequest request{{controls_.Latitude->text().toStdString(), controls_.Longitude->text().toStdString(),
                                   controls_.Seuil->text().toStdString()},
                                  programFolder_,
                                  [this] { ShowSunshineBand(false); }};
    Run([&] { return SunshineExportFlow(session_.month, *dialogs_, request); });
}

// The panel opens first; a configIC.txt that cannot be opened leaves the
// edits as they are.
void TForm1::LireConfigICClick() {
    ShowConfigIC(true);
    const FormControls& c = controls_;
    InfoClimatEdits e{c.CodeStation->text().toStdString(), c.UtilIC->text().toStdString(),
                      c.PasseIC->text().toStdString()};
    Run([&] {
        FillInfoClimatEdits({programFolder_, UserSettingsFolder()}, e);
        return CommandResult::Done;
    });
    c.CodeStation->setText(QString::fromStdString(e.codeStation));
    c.UtilIC->setText(QString::fromStdString(e.utilIC));
    c.PasseIC->setText(QString::fromStdString(e.passeIC));
}

// The upload holds the window until it ends: a busy cursor says so.
void TForm1::EnregConfigICClick() {
    const FormControls& c = controls_;
    const InfoClimatEdits edits{c.CodeStation->text().toStdString(), c.UtilIC->text().toStdString(),
                                c.PasseIC->text().toStdString()};
    InfoClimatUpload upload = icUpload_;
    upload.busy = [](bool on) {
        if (on) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);  // shown before the wait
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
    };
    Run([&] {
        return EnregConfigICFlow({programFolder_, UserSettingsFolder()}, edits, icSettings_,
                                 [this] { ShowConfigIC(false); }, session_, *dialogs_, upload);
    });
}

// A click into an entry of the insertion band empties it for typing.
void TForm1::JourInsereClick() { controls_.JourInsere->clear(); }
void TForm1::HeureInsereClick() { controls_.HeureInsere->clear(); }
void TForm1::MinuteInsereClick() { controls_.MinuteInsere->clear(); }

void TForm1::AnnuleInsereClick() {
    CancelInsertion(band_);
    ShowInsertionBand(false);
}
void TForm1::AnnuleCoordonneesClick() { ShowSunshineBand(false); }
void TForm1::AnnuleConfigICClick() { ShowConfigIC(false); }

// Only the forecast column explains itself; `Bulle` stays where it is and
// takes the width of its text.
void TForm1::TableauMouseMove(TableCell cell) {
    const MonthTable& table = session_.table;
    const bool held = cell.valid() && cell.row < table.rowCount() && cell.col < kColumnCount;
    hint_ = NextHintState(hint_, cell.col, cell.row, held ? table.cell(cell.row, cell.col) : std::string());
    QLabel* bulle = controls_.Bulle;
    const QString text = QString::fromStdString(hint_.text);
    if (bulle->text() != text) SetLabelText(bulle, text);
    bulle->setVisible(hint_.visible);
    if (hint_.visible) bulle->raise();
}

// The right button takes the clicked row's day, hour and minute into the
// insertion band, open or not.
void TForm1::TableauMouseDown(Qt::MouseButton button, TableCell cell) {
    if (button != Qt::RightButton) return;
    PrefillInsertionFromRow(band_, session_.table, cell.row);
    ShowInsertionTexts();
}

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
        if (!session_.monthLoaded) return true;
        if (Run([this] { return SaveMonthFlow(session_, *dialogs_); }) != CommandResult::Done) return false;
        comforts_->monthSaved();
        return true;
    }
    return false;
}

// The charts and the suspect values of the open month, in their own window.
void TForm1::GraphiquesClick() { charts_->open(); }

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
