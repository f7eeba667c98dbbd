#pragma once
// Every control of the window, under the names the handlers use, built at
// their design places with their captions, fonts and colours. Only the
// controls visible at start are left visible.
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace pluvelle::ui {

class LabelledEdit;
class TableauView;

struct FormControls {
    // The command row and the command column.
    QPushButton* OuvrirWLK;
    QPushButton* ExportDonnees;
    QPushButton* ExportResume1;
    QPushButton* DonneesOMM;
    QPushButton* Ensol;
    QPushButton* ImportCSV;
    QPushButton* Extremums;
    QPushButton* ExportIC;
    QPushButton* Inserligne;
    QPushButton* SauvegardeWLK;
    QPushButton* Quitter;

    QLabel* Titre;
    QLabel* NomFichWlkEnCours;
    QLabel* Bulle;
    QLabel* Attribution;
    TableauView* Tableau;
    QPlainTextEdit* Memo1;

    // The insertion band below the table.
    LabelledEdit* JourInsere;
    LabelledEdit* HeureInsere;
    LabelledEdit* MinuteInsere;
    QPushButton* ValideInsere;
    QPushButton* AnnuleInsere;

    // The sunshine band, at the same place.
    LabelledEdit* Latitude;
    LabelledEdit* Longitude;
    LabelledEdit* Seuil;
    QPushButton* ValideCoordonnees;
    QPushButton* AnnuleCoordonnees;

    // The InfoClimat settings panel.
    QGroupBox* ConfigIC;
    LabelledEdit* CodeStation;
    LabelledEdit* UtilIC;
    LabelledEdit* PasseIC;
    QPushButton* EnregIC;
    QPushButton* AnnuleIC;

    // Never shown.
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QLineEdit* TestIC;
};

FormControls BuildFormControls(QWidget* form);

// Labels take the width of their text; an empty one takes no room at all
// (`Bulle` and the file name are shown but empty at start).
void SetLabelText(QLabel* label, const QString& text);

// Texts of the window's own choosing.
inline const QString kTitreText = QStringLiteral("Pluvelle — mois météo");
inline const QString kAttributionText = QStringLiteral("Pluvelle, logiciel libre");

} // namespace pluvelle::ui
