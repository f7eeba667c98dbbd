#include "form_controls.h"

#include "labelled_edit.h"
#include "tableau_view.h"
#include "window_colours.h"
#include "window_fonts.h"
#include "window_layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace pluvelle::ui {

namespace {

void SetTextColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect rect, const QColor& colour,
                    int pixels) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setGeometry(rect);
    b->setFont(CalibriPixels(pixels));
    SetTextColour(b, QPalette::ButtonText, colour);
    return b;
}

LabelledEdit* Edit(QWidget* parent, const char* name, const char* caption, QRect rect, const QColor& colour) {
    auto* e = new LabelledEdit(parent, name, QString::fromUtf8(caption), rect);
    e->setLook(CalibriPixels(15), colour);
    return e;
}

QLabel* Label(QWidget* parent, const char* name, QPoint at, const QFont& font, const QColor& colour) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(font);
    SetTextColour(l, QPalette::WindowText, colour);
    l->move(at);
    SetLabelText(l, QString());
    return l;
}

void Fill(QLabel* label, const QColor& background) {
    label->setAutoFillBackground(true);
    SetTextColour(label, QPalette::Window, background);
}

void BuildCommands(QWidget* form, FormControls& c) {
    c.OuvrirWLK = Button(form, "OuvrirWLK", "Ouvrir un fichier .wlk", {13, 13, 134, 19}, kTeal, 13);
    c.ExportDonnees = Button(form, "ExportDonnees", "Export Données (.csv)", {152, 13, 134, 19}, kMaroon, 13);
    c.ExportResume1 =
        Button(form, "ExportResume1", "Export Résumés du jour (.csv)", {291, 13, 175, 19}, kMaroon, 13);
    c.DonneesOMM = Button(form, "DonneesOMM", "Export Données OMM (.csv)", {472, 13, 161, 19}, kMaroon, 13);
    c.Ensol = Button(form, "Ensol", "Ensoleillement (.csv)", {639, 13, 134, 19}, kOlive, 13);
    c.ImportCSV = Button(form, "ImportCSV", "Importer un fichier .csv", {776, 13, 134, 19}, kTeal, 13);
    c.Extremums = Button(form, "Extremums", "Extremums Station", {916, 13, 134, 19}, kBlue, 13);
    c.ExportIC = Button(form, "ExportIC", "Export InfoClimat", {1056, 13, 134, 19}, kFuchsia, 13);
    c.Inserligne = Button(form, "Inserligne", "Insérer Ligne", {13, 39, 82, 19}, kNavy, 13);
    c.SauvegardeWLK =
        Button(form, "SauvegardeWLK", "Enregistrer le fichier (.wlk)", {13, 64, 152, 19}, kPurple, 13);
    c.Quitter = Button(form, "Quitter", "Quitter", {13, 89, 63, 19}, kRed, 13);
}

void BuildLabelsAndTable(QWidget* form, FormControls& c) {
    c.Titre = Label(form, "Titre", {(kDesignClientSize.width() - 120) / 2, kTitreTop}, TitleFont(21), kBlue);
    c.Tableau = new TableauView(form);
    c.Tableau->setObjectName("Tableau");
    c.Tableau->setGeometry(kTableauDesign);
    c.NomFichWlkEnCours = Label(form, "NomFichWlkEnCours", {500, 90}, CalibriPixels(15, true), kGreen);
    Fill(c.NomFichWlkEnCours, kPaleGreen);
    c.Bulle = Label(form, "Bulle", {430, 92}, CalibriPixels(12, false, true), kNavy);
    Fill(c.Bulle, kHintBackground);
    c.Attribution = Label(form, "Attribution", {kDesignClientSize.width() - 150, kAttributionTop},
                          CalibriPixels(8), kGreen);
    c.Memo1 = new QPlainTextEdit(form);
    c.Memo1->setObjectName("Memo1");
    // Tall enough, with a thin margin, for the longest instruction (the
    // sunshine band's four lines) to show whole down to the client's bottom.
    c.Memo1->setGeometry(8, 679, 287, 64);
    c.Memo1->setFont(CalibriPixels(13));
    c.Memo1->document()->setDocumentMargin(1);
    SetTextColour(c.Memo1, QPalette::Text, kFuchsia);
}

void BuildBands(QWidget* form, FormControls& c) {
    c.JourInsere = Edit(form, "JourInsere", "Jour ", {325, 699, 58, 26}, kNavy);
    c.HeureInsere = Edit(form, "HeureInsere", "Heures", {413, 699, 58, 26}, kNavy);
    c.MinuteInsere = Edit(form, "MinuteInsere", "Minutes", {501, 699, 51, 26}, kNavy);
    c.ValideInsere = Button(form, "ValideInsere", "Valider l'insertion", {589, 699, 153, 30}, kMaroon, 15);
    c.AnnuleInsere = Button(form, "AnnuleInsere", "Annuler l'Insertion", {771, 699, 153, 30}, kPurple, 15);

    c.Latitude = Edit(form, "Latitude", "Latitude", {325, 699, 80, 26}, kRed);
    c.Longitude = Edit(form, "Longitude", "Longitude", {413, 699, 80, 26}, kRed);
    c.Seuil = Edit(form, "Seuil", "Seuil", {501, 699, 51, 26}, kRed);
    c.ValideCoordonnees = Button(form, "ValideCoordonnees", "Valider", {589, 699, 100, 31}, kMaroon, 15);
    c.AnnuleCoordonnees = Button(form, "AnnuleCoordonnees", "Annuler", {719, 699, 100, 31}, kPurple, 15);
}

void BuildInfoClimatPanel(QWidget* form, FormControls& c) {
    c.ConfigIC = new QGroupBox("Configuration pour l'export vers InfoClimat", form);
    c.ConfigIC->setObjectName("ConfigIC");
    c.ConfigIC->setGeometry(501, 336, 292, 241);
    c.ConfigIC->setFont(CalibriPixels(16));
    SetTextColour(c.ConfigIC, QPalette::WindowText, kBlue);
    c.ConfigIC->setAutoFillBackground(true);
    c.CodeStation = Edit(c.ConfigIC, "CodeStation", "Code Station ", {20, 52, 252, 26}, kBlue);
    c.UtilIC = Edit(c.ConfigIC, "UtilIC", "Nom Utisateur IC", {20, 104, 252, 26}, kBlue);
    c.PasseIC = Edit(c.ConfigIC, "PasseIC", "Mot de Passe IC", {20, 156, 252, 26}, kBlue);
    c.PasseIC->setEchoMode(QLineEdit::Password);
    c.EnregIC = Button(c.ConfigIC, "EnregIC", "Valider", {20, 198, 110, 28}, kMaroon, 15);
    c.AnnuleIC = Button(c.ConfigIC, "AnnuleIC", "Annuler", {162, 198, 110, 28}, kPurple, 15);
}

void BuildWorkLists(QWidget* form, FormControls& c) {
    c.ListBox1 = new QListWidget(form);
    c.ListBox1->setObjectName("ListBox1");
    c.ListBox2 = new QListWidget(form);
    c.ListBox2->setObjectName("ListBox2");
    c.TestIC = new QLineEdit(form);
    c.TestIC->setObjectName("TestIC");
}

} // namespace

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
    if (text.isEmpty()) label->resize(0, label->height());
}

FormControls BuildFormControls(QWidget* form) {
    FormControls c{};
    BuildCommands(form, c);
    BuildLabelsAndTable(form, c);
    BuildBands(form, c);
    BuildInfoClimatPanel(form, c);
    BuildWorkLists(form, c);
    // At start: the open and quit commands, the table and the labels.
    for (QWidget* w : std::initializer_list<QWidget*>{
             c.ExportDonnees, c.ExportResume1, c.DonneesOMM, c.Ensol, c.ImportCSV, c.Extremums, c.ExportIC,
             c.Inserligne, c.SauvegardeWLK, c.Memo1, c.JourInsere, c.HeureInsere, c.MinuteInsere, c.ValideInsere,
             c.AnnuleInsere, c.Latitude, c.Longitude, c.Seuil, c.ValideCoordonnees, c.AnnuleCoordonnees, c.ConfigIC,
             c.ListBox1, c.ListBox2, c.TestIC})
        w->hide();
    return c;
}

} // namespace pluvelle::ui
