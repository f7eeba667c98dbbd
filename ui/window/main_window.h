#pragma once
// `TForm1`, the program's single window. It owns the controls, the open
// month and the handlers; each handler runs one command's flow through the
// top-level error handler and updates the controls after it.
#include "core/dialogs.h"
#include "core/month_session.h"
#include "form_controls.h"
#include "infoclimat/ftp_upload.h"
#include "infoclimat/infoclimat_settings.h"
#include "tableau_view.h"
#include "ui/logic/forecast_hint.h"
#include "ui/logic/row_insertion.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pluvelle::ui {

class MonthCharts;
class MonthTableModel;
class EditComforts;

inline constexpr const char* kQuitQuestion = "Voulez-vous enregistrer avant de quitter ?";

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Commands ask their questions through `dialogs`; null means the
    // window's own Qt dialogs.
    explicit TForm1(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    MonthSession& session() { return session_; }
    MonthTableModel& tableModel() { return *model_; }
    const FormControls& controls() const { return controls_; }
    MonthCharts& charts() { return *charts_; }
    Dialogs& dialogs() { return *dialogs_; }
    // Undo and redo, clipboard, go to a date, missing records.
    EditComforts& comforts() { return *comforts_; }
    // The executable's folder, trailing separator included (UTF-8).
    const std::string& programFolder() const { return programFolder_; }
    // Keeps the settings files in `folder` (trailing separator included)
    // rather than beside the executable.
    void setProgramFolder(const std::string& folder);
    // How "Valider" of the InfoClimat panel reaches the server.
    void setInfoClimatUpload(InfoClimatUpload upload) { icUpload_ = std::move(upload); }
    const InfoClimatSettings& infoClimatSettings() const { return icSettings_; }
    // The program was told to end (the window closes for good).
    bool ended() const { return ended_; }

public slots:
    void FormActivate();

    void OuvrirWLKClick();
    void SauvegardeWLKClick();
    void ExportDonneesClick();
    void ExportResume1Click();
    void DonneesOMMClick();
    void EnsolOnClick();
    void ImportCSVClick();
    void ExtremumsClick();
    void LireConfigICClick();
    void InserligneClick();
    void QuitterClick();
    void GraphiquesClick();

    void JourInsereClick();
    void HeureInsereClick();
    void MinuteInsereClick();
    void ValideInsereClick();
    void AnnuleInsereClick();
    void ValideCoordonneesClick();
    void AnnuleCoordonneesClick();
    void EnregConfigICClick();
    void AnnuleConfigICClick();

    void TableauMouseMove(pluvelle::ui::TableCell cell);
    void TableauMouseDown(Qt::MouseButton button, pluvelle::ui::TableCell cell);

public:
    // The two input bands below the table and the InfoClimat panel.
    void ShowInsertionBand(bool shown);
    void ShowSunshineBand(bool shown);
    void ShowConfigIC(bool shown);
    // Runs a command through the top-level error handler.
    CommandResult Run(const std::function<CommandResult()>& command);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectHandlers();
    void ShowMonthCommands();
    void ShowInsertionTexts();
    void TakeInsertionTexts();
    void SelectTableRow(int row);
    void ShowMemo(const std::vector<std::string>& lines);
    // Asks the quit question; true when the program may end.
    bool AgreesToEnd();
    void EndProgram();

    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs* dialogs_;
    MonthSession session_;
    MonthTableModel* model_;
    FormControls controls_;
    EditComforts* comforts_;
    MonthCharts* charts_;
    std::string programFolder_;
    std::optional<std::string> pinnedProgramFolder_;
    bool ended_ = false;
    InsertionBand band_;
    HintState hint_;
    InfoClimatSettings icSettings_;
    InfoClimatUpload icUpload_;
};

} // namespace pluvelle::ui
