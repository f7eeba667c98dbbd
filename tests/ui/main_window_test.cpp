// TForm1 driven as a user would: which controls show when, opening and
// saving months, and the ways out of the program.
#include "window_fixture.h"

#include "core/month_load.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <filesystem>

namespace pluvelle::ui::testing {
namespace {

struct ControlCase {
    const char* name;
    const char* caption;  // "" for controls without one
    bool atStart;
    bool afterLoad;
};

const ControlCase kControls[] = {
    {"OuvrirWLK", "Ouvrir un fichier .wlk", true, true},
    {"ExportDonnees", "Export Données (.csv)", false, true},
    {"ExportResume1", "Export Résumés du jour (.csv)", false, true},
    {"DonneesOMM", "Export Données OMM (.csv)", false, true},
    {"Ensol", "Ensoleillement (.csv)", false, true},
    {"ImportCSV", "Importer un fichier .csv", false, true},
    {"Extremums", "Extremums Station", false, true},
    {"ExportIC", "Export InfoClimat", false, true},
    {"Inserligne", "Insérer Ligne", false, true},
    {"SauvegardeWLK", "Enregistrer le fichier (.wlk)", false, true},
    {"Quitter", "Quitter", true, true},
    {"Titre", "", true, true},
    {"NomFichWlkEnCours", "", true, true},
    {"Bulle", "", true, true},
    {"Attribution", "", true, true},
    {"Tableau", "", true, true},
    {"Memo1", "", false, false},
    {"JourInsere", "", false, false},
    {"HeureInsere", "", false, false},
    {"MinuteInsere", "", false, false},
    {"ValideInsere", "Valider l'insertion", false, false},
    {"AnnuleInsere", "Annuler l'Insertion", false, false},
    {"Latitude", "", false, false},
    {"Longitude", "", false, false},
    {"Seuil", "", false, false},
    {"ValideCoordonnees", "Valider", false, false},
    {"AnnuleCoordonnees", "Annuler", false, false},
    {"ConfigIC", "", false, false},
    {"CodeStation", "", false, false},
    {"UtilIC", "", false, false},
    {"PasseIC", "", false, false},
    {"EnregIC", "Valider", false, false},
    {"AnnuleIC", "Annuler", false, false},
    {"ListBox1", "", false, false},
    {"ListBox2", "", false, false},
    {"TestIC", "", false, false},
};

class ControlsTest : public WindowTest {
protected:
    void expectVisibility(bool loaded) {
        for (const ControlCase& c : kControls) {
            QWidget* w = control(c.name);
            ASSERT_NE(w, nullptr) << c.name;
            EXPECT_EQ(w->isVisible(), loaded ? c.afterLoad : c.atStart) << c.name << (loaded ? " after load" : " at start");
        }
    }
};

TEST_F(ControlsTest, EveryControlExistsWithItsCaption) {
    for (const ControlCase& c : kControls) {
        if (*c.caption == '\0') continue;
        auto* button = control<QAbstractButton>(c.name);
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(button->text().toStdString(), c.caption) << c.name;
    }
    EXPECT_EQ(control<QGroupBox>("ConfigIC")->title().toStdString(), "Configuration pour l'export vers InfoClimat");
    EXPECT_EQ(control<QLabel>("JourInsereLabel")->text().toStdString(), "Jour ");
    EXPECT_EQ(control<QLabel>("UtilICLabel")->text().toStdString(), "Nom Utisateur IC");
    EXPECT_EQ(form->windowTitle().toStdString(), "Pluvelle");
}

TEST_F(ControlsTest, OnlyOpenQuitTableAndLabelsShowAtStart) {
    expectVisibility(false);
    EXPECT_TRUE(control<QLabel>("NomFichWlkEnCours")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>("Bulle")->text().isEmpty());
}

TEST_F(ControlsTest, FirstLoadShowsTheCommandsForGood) {
    load(monthPath);
    expectVisibility(true);
    load(dir.file("2014-08.wlk"));  // missing: the commands stay
    expectVisibility(true);
}

TEST_F(WindowTest, LoadFillsTheTableAndNamesTheFile) {
    load(monthPath);
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString().toStdString(), "Date Heure");
    EXPECT_EQ(model().headerData(25, Qt::Horizontal).toString().toStdString(), "ET ");
    EXPECT_EQ(model().index(1, 0).data().toString().toStdString(), "03/07/2014 00:05");
    EXPECT_EQ(model().index(6, 0).data().toString().toStdString(), "03/07/2014 00:30");
    EXPECT_EQ(model().index(7, 0).data().toString().toStdString(), "04/07/2014 00:05");
    EXPECT_EQ(model().index(1, 1).data().toString().toStdString(), "20.0");
    EXPECT_EQ(model().index(10, 0).data().toString().toStdString(), "");
    EXPECT_EQ(model().rowCount(), 9000);
    EXPECT_EQ(control<QLabel>("NomFichWlkEnCours")->text().toStdString(),
              "Fichier en cours d'édition : " + monthPath);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.shown().front().text, "Fichiers WLK|*.wlk");
}

TEST_F(WindowTest, CancelledOpenChangesNothing) {
    load(monthPath);
    dialogs.fileName(std::nullopt);
    form->OuvrirWLKClick();
    EXPECT_EQ(cell(1, 0), "03/07/2014 00:05");
    EXPECT_TRUE(dialogs.messages().empty());
}

struct FailedLoadCase {
    const char* what;
    const char* fileName;
    std::string bytes;  // empty: no file at all
    MessageKind kind;
    const char* messageStart;
};

TEST_F(WindowTest, FailedLoadWarnsAndKeepsTheOpenMonth) {
    const std::string whole = MonthBytes({{1, RecordsEvery(5, 5, 60)}});
    const FailedLoadCase cases[] = {
        {"missing file", "2014-08.wlk", "", MessageKind::Warning, "2014-08.wlk : Fichier introuvable"},
        {"truncated file", "2014-09.wlk", whole.substr(0, whole.size() - 40), MessageKind::Error, ""},
    };
    load(monthPath);
    const QString shownName = control<QLabel>("NomFichWlkEnCours")->text();
    for (const FailedLoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.bytes.empty()) WriteFile(dir.file(c.fileName), c.bytes);
        const std::size_t before = dialogs.messages().size();
        load(dir.file(c.fileName));
        ASSERT_EQ(dialogs.messages().size(), before + 1);
        EXPECT_EQ(dialogs.shown().back().kind, c.kind);
        EXPECT_EQ(dialogs.messages().back().rfind(c.messageStart, 0), 0u) << dialogs.messages().back();
        EXPECT_EQ(model().index(1, 0).data().toString().toStdString(), "03/07/2014 00:05");
        EXPECT_EQ(form->session().month.currentFilePath, monthPath);
        EXPECT_EQ(control<QLabel>("NomFichWlkEnCours")->text(), shownName);
        EXPECT_TRUE(form->isVisible());
    }
}

TEST_F(WindowTest, FailedFirstLoadLeavesTheCommandsHidden) {
    load(dir.file("2014-08.wlk"));
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"2014-08.wlk : Fichier introuvable"});
    EXPECT_FALSE(control("SauvegardeWLK")->isVisible());
    EXPECT_TRUE(control<QLabel>("NomFichWlkEnCours")->text().isEmpty());
}

TEST_F(WindowTest, EditedCellReachesTheSavedFile) {
    loadAndEdit();
    EXPECT_TRUE(form->session().unsavedChanges);
    dialogs.fileName(dir.file("corrigé"));
    control<QAbstractButton>("SauvegardeWLK")->click();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Fichier enregistré"});
    EXPECT_FALSE(form->session().unsavedChanges);
    const MonthSession saved = ReadMonthSession(dir.file("corrigé.wlk"));
    EXPECT_EQ(saved.table.cell(2, 1), "21.5");
    EXPECT_EQ(saved.table.cell(1, 1), "20.0");
}

TEST_F(WindowTest, FixedCellsAreNotEditable) {
    load(monthPath);
    EXPECT_FALSE(model().setData(model().index(1, 0), "01/07/2014 00:05"));
    EXPECT_FALSE(model().setData(model().index(0, 3), "Titre"));
    EXPECT_EQ(cell(1, 0), "03/07/2014 00:05");
    EXPECT_FALSE(form->session().unsavedChanges);
    EXPECT_TRUE(model().flags(model().index(1, 1)).testFlag(Qt::ItemIsEditable));
}

TEST_F(WindowTest, RewritingACellWithItsOwnTextIsNoEdit) {
    load(monthPath);
    EXPECT_TRUE(model().setData(model().index(1, 1), "20.0"));
    EXPECT_FALSE(form->session().unsavedChanges);
}

// How each answer to the quit question ends, from `Quitter` or from the
// window manager's close control while edits are unsaved.
struct QuitCase {
    const char* what;
    Answer answer;
    std::optional<std::string> saveName;  // answer of the save dialog, if one is shown
    bool saveDialog;
    bool ends;
    bool fileWritten;
};

class QuitTest : public WindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void quitOrClose() {
        if (GetParam()) control<QAbstractButton>("Quitter")->click();
        else form->close();
    }
};

TEST_P(QuitTest, EachAnswerEndsOrKeepsTheWindow) {
    const std::string out = dir.file("sortie.wlk");
    const std::string unwritable = dir.file("absent/sortie.wlk");
    const QuitCase cases[] = {
        {"No", Answer::No, std::nullopt, false, true, false},
        {"Cancel", Answer::Cancel, std::nullopt, false, false, false},
        {"Yes then saved", Answer::Yes, out, true, true, true},
        {"Yes then save cancelled", Answer::Yes, std::nullopt, true, false, false},
        {"Yes then save failed", Answer::Yes, unwritable, true, false, false},
    };
    for (const QuitCase& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs = ScriptedDialogs();
        form = std::make_unique<TForm1>(&dialogs);
        form->show();
        loadAndEdit();
        std::filesystem::remove(out);
        dialogs.answer(c.answer);
        if (c.saveDialog) dialogs.fileName(c.saveName);
        quitOrClose();
        ASSERT_GE(dialogs.shown().size(), 2u);
        EXPECT_EQ(dialogs.shown()[1].what, Shown::What::YesNoCancel);
        EXPECT_EQ(dialogs.shown()[1].text, kQuitQuestion);
        EXPECT_EQ(dialogs.shown().size() > 2 && dialogs.shown()[2].what == Shown::What::SaveFile, c.saveDialog);
        EXPECT_EQ(form->ended(), c.ends);
        EXPECT_EQ(form->isVisible(), !c.ends);
        EXPECT_EQ(std::filesystem::exists(out), c.fileWritten);
        EXPECT_EQ(dialogs.unanswered(), 0);
        if (c.fileWritten) {
            EXPECT_EQ(ReadMonthSession(out).table.cell(2, 1), "21.5");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(QuitterOrCloseControl, QuitTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Quitter" : "CloseControl"; });

TEST_F(WindowTest, QuitterAsksEvenWithNothingToSave) {
    dialogs.answer(Answer::Cancel);
    control<QAbstractButton>("Quitter")->click();
    EXPECT_TRUE(form->isVisible());
    dialogs.answer(Answer::Yes);  // no month was ever loaded: nothing to save
    control<QAbstractButton>("Quitter")->click();
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(WindowTest, CloseControlWithoutUnsavedEditsClosesAtOnce) {
    load(monthPath);
    form->close();
    EXPECT_TRUE(form->ended());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.shown().size(), 1u);  // the open dialog only
}

TEST_F(WindowTest, SavingClearsTheUnsavedMarkSoClosingAsksNothing) {
    loadAndEdit();
    dialogs.fileName(dir.file("sortie.wlk"));
    form->SauvegardeWLKClick();
    form->close();
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(dialogs.shown().back().what, Shown::What::Message);
}

TEST_F(WindowTest, CancelButtonsCloseTheirBands) {
    form->ShowInsertionBand(true);
    EXPECT_TRUE(control("Memo1")->isVisible());
    EXPECT_TRUE(control("JourInsereLabel")->isVisible());
    control<QAbstractButton>("AnnuleInsere")->click();
    for (const char* name : {"JourInsere", "JourInsereLabel", "HeureInsere", "MinuteInsere", "ValideInsere",
                             "AnnuleInsere", "Memo1"})
        EXPECT_FALSE(control(name)->isVisible()) << name;
    form->ShowSunshineBand(true);
    control<QAbstractButton>("AnnuleCoordonnees")->click();
    for (const char* name : {"Latitude", "Longitude", "Seuil", "Memo1", "ValideCoordonnees", "AnnuleCoordonnees"})
        EXPECT_FALSE(control(name)->isVisible()) << name;
    form->ShowConfigIC(true);
    EXPECT_TRUE(control("PasseIC")->isVisible());
    control<QAbstractButton>("AnnuleIC")->click();
    EXPECT_FALSE(control("ConfigIC")->isVisible());
}

} // namespace
} // namespace pluvelle::ui::testing
