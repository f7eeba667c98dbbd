// Every command of the window through the real TForm1: the button clicked,
// the dialogue it holds, the file it writes and what the window shows after.
#include "window_fixture.h"

#include "core/month_load.h"
#include "core/text_output.h"
#include "demo_station.h"
#include "exports/daily_summaries.h"
#include "exports/sunshine.h"
#include "exports/wmo_daily.h"
#include "infoclimat/infoclimat_settings.h"
#include "ui/logic/table_import.h"
#include "ui/window/tableau_view.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>

#include <filesystem>

namespace pluvelle::ui::testing {
namespace {

namespace fs = std::filesystem;

// The file's lines, back in UTF-8; every line must end with CR LF.
std::vector<std::string> FileLines(const std::string& path) {
    const std::string text = Cp1252ToUtf8(pluvelle::testing::ReadFile(path));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << path << " does not end with CR LF";
    return lines;
}

// The settings files go to a folder of the test's own, never beside the test
// program nor into the user's configuration.
class CommandsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        for (const char* name : {"XDG_CONFIG_HOME", "APPDATA"}) {
            saved_.emplace_back(name, qgetenv(name));
            qputenv(name, QByteArray::fromStdString(userDir.path().string()));
        }
        form->setProgramFolder(programFolder());
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

    std::string programFolder() const { return programDir.path().string() + "/"; }
    void click(const char* name) { control<QAbstractButton>(name)->click(); }
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }
    void type(const char* name, const char* text) { control<QLineEdit>(name)->setText(text); }
    TableauView* view() { return control<TableauView>("Tableau"); }

    // Where the grid draws the cell, in its viewport's coordinates.
    QPoint cellCentre(int row, int col) {
        static_cast<QAbstractItemView*>(view())->scrollTo(model().index(row, col));
        QApplication::processEvents();
        return view()->visualRect(model().index(row, col)).center();
    }
    void moveOver(int row, int col) {
        const QPoint at = cellCentre(row, col);
        QMouseEvent move(QEvent::MouseMove, at, view()->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view()->viewport(), &move);
    }
    void pressOn(int row, int col, Qt::MouseButton button) {
        QTest::mouseClick(view()->viewport(), button, Qt::NoModifier, cellCentre(row, col));
    }

    void expectShown(const std::vector<const char*>& names, bool shown) {
        for (const char* name : names) EXPECT_EQ(control(name)->isVisible(), shown) << name;
    }
    const std::vector<const char*> kInsertionBand{"JourInsere", "HeureInsere", "MinuteInsere", "ValideInsere",
                                                  "AnnuleInsere"};
    const std::vector<const char*> kSunshineBand{"Latitude", "Longitude", "Seuil", "ValideCoordonnees",
                                                 "AnnuleCoordonnees"};

    TempDir programDir;
    TempDir userDir;

private:
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

// The demo station's three months in the test's folder, February open.
class DemoStationTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        demo::WriteDemoStation(stationDir.path().string());
        load(stationDir.file("2026-02.wlk"));
        ASSERT_TRUE(form->session().monthLoaded);
    }
    TempDir stationDir;
};

struct ExportCase {
    const char* button;
    std::optional<Answer> timeBase;
    std::string header;  // first line of the file
    int linesPerDay;
    int headerLines;
};

TEST_F(DemoStationTest, SummariesAndWmoExportsWriteOneEntryPerDayWithData) {
    const ExportCase cases[] = {
        {"ExportResume1", std::nullopt, DailySummariesHeaderLine(), 2, 2},
        {"DonneesOMM", Answer::No, WmoHeaderLine(TimeBase::Utc), 1, 1},
        {"DonneesOMM", Answer::Yes, WmoHeaderLine(TimeBase::Legal), 1, 1},
    };
    const int daysWithData = 28 - 1;  // 17 February was lost
    for (const ExportCase& c : cases) {
        SCOPED_TRACE(c.header);
        dialogs = ScriptedDialogs();
        if (c.timeBase) dialogs.timeBase(*c.timeBase);
        const std::string out = dir.file("export");
        fs::remove(out + ".csv");
        dialogs.fileName(out);
        click(c.button);
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Fichier enregistré"});
        EXPECT_EQ(dialogs.shown()[c.timeBase ? 1 : 0].what, Shown::What::SaveFile);
        const std::vector<std::string> lines = FileLines(out + ".csv");
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.headerLines + c.linesPerDay * daysWithData));
        EXPECT_EQ(lines[0], c.header);
        EXPECT_EQ(lines[c.headerLines].rfind("01/02/2026;", 0), 0u) << lines[c.headerLines];
        EXPECT_EQ(lines.back().rfind("28/02/2026;", 0) == 0, c.linesPerDay == 1) << lines.back();
        EXPECT_EQ(dialogs.unanswered(), 0);
    }
}

TEST_F(DemoStationTest, StationExtremesGoBesideTheMonths) {
    click("Extremums");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Le fichier \"ExtremumsMois.csv\" est enregistré"});
    const std::vector<std::string> lines = FileLines(stationDir.file("ExtremumsMois.csv"));
    ASSERT_EQ(lines.size(), 2u + 3 + 2);  // two title lines, three months, the separator and the station row
    EXPECT_EQ(lines[0].rfind("An-Mois;", 0), 0u) << lines[0];
    EXPECT_EQ(lines[2].rfind("2026-01;", 0), 0u) << lines[2];
    EXPECT_EQ(lines[4].rfind("2026-03;", 0), 0u) << lines[4];
    EXPECT_EQ(lines[5], "******");
    EXPECT_EQ(lines[6].rfind("Station;", 0), 0u) << lines[6];
}

TEST_F(CommandsTest, SunshineBandKeepsTheSettingsAndWritesTheFile) {
    load(monthPath);
    click("Ensol");
    expectShown(kSunshineBand, true);
    expectShown({"Memo1"}, true);
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText().toStdString(),
              SunshineInstructionLines()[0] + "\n" + SunshineInstructionLines()[1]);
    EXPECT_EQ(text("Latitude"), "");
    EXPECT_EQ(text("Seuil"), kDefaultThresholdText);

    type("Latitude", "45,5");
    type("Longitude", "-5.25");
    type("Seuil", "60");
    dialogs.timeBase(Answer::No).fileName(dir.file("soleil"));
    click("ValideCoordonnees");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Fichier enregistré"});
    expectShown(kSunshineBand, false);
    expectShown({"Memo1"}, false);
    EXPECT_EQ(pluvelle::testing::ReadFile(programFolder() + kSunshineSettingsFile), "45,5\r\n-5.25\r\n60\r\n");
    const std::vector<std::string> lines = FileLines(dir.file("soleil.csv"));
    ASSERT_EQ(lines.size(), 3u);  // days 3 and 4
    EXPECT_EQ(lines[0], kSunshineHeader);
    EXPECT_EQ(lines[1].rfind("03/07/2014;", 0), 0u) << lines[1];

    // Opened again: the stored texts, the comma read as a point.
    type("Latitude", "0");
    click("Ensol");
    EXPECT_EQ(text("Latitude"), "45.5");
    EXPECT_EQ(text("Longitude"), "-5.25");
    EXPECT_EQ(text("Seuil"), "60");
}

TEST_F(CommandsTest, SunshineIsRefusedFromTenRecordsWithoutRadiation) {
    for (const int missing : {9, 10}) {
        SCOPED_TRACE(missing);
        std::vector<ArchiveRecord> records = RecordsEvery(5, 5, 120);
        for (int i = 0; i < missing; ++i) records[i].solarRad = -32768;
        const std::string path = dir.file("2014-08.wlk");
        WriteFile(path, MonthBytes({{2, records}}));
        dialogs = ScriptedDialogs();
        load(path);
        click("AnnuleCoordonnees");
        click("Ensol");
        const bool refused = missing >= kMissingRadiationLimit;
        EXPECT_EQ(dialogs.messages(), refused ? std::vector<std::string>{kNoRadiationSensorText}
                                              : std::vector<std::string>{});
        expectShown(kSunshineBand, !refused);
    }
}

TEST_F(CommandsTest, ImportReplacesTheShownTable) {
    // A longer July exported from another folder, then brought into the open month.
    TempDir other;
    const std::string longer = other.file("2014-07.wlk");
    WriteFile(longer, MonthBytes({{3, RecordsEvery(5, 5, 60)}, {4, RecordsEvery(5, 5, 60)}}));
    load(longer);
    dialogs.fileName(dir.file("table"));
    click("ExportDonnees");
    load(monthPath);
    ASSERT_EQ(model().index(10, 0).data().toString(), "");

    dialogs = ScriptedDialogs();
    dialogs.fileName(dir.file("table.csv"));
    click("ImportCSV");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kImportReminder});
    EXPECT_EQ(model().rowCount(), form->session().table.rowCount());
    EXPECT_EQ(model().index(12, 0).data().toString(), "03/07/2014 01:00");
    EXPECT_EQ(model().index(24, 0).data().toString(), "04/07/2014 01:00");
    EXPECT_EQ(model().index(24, 1).data().toString(), "20.0");
    EXPECT_TRUE(form->session().unsavedChanges);
}

TEST_F(CommandsTest, RowInsertedThroughTheBandReachesTheSavedFile) {
    load(monthPath);
    click("Inserligne");
    expectShown(kInsertionBand, true);
    expectShown({"Memo1"}, true);
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText(),
              "Cliquer-droit, sur la ligne où vous voulez insérer,\npuis modifier les valeurs à droite,\n"
              "puis Valider.");
    EXPECT_EQ(text("JourInsere"), " jj");
    EXPECT_EQ(text("HeureInsere"), " hh ");

    pressOn(4, 3, Qt::LeftButton);  // only the right button takes the row's time
    EXPECT_EQ(text("JourInsere"), " jj");
    pressOn(2, 3, Qt::RightButton);  // 03/07/2014 00:10
    EXPECT_EQ(text("JourInsere"), "03");
    EXPECT_EQ(text("HeureInsere"), "00");
    EXPECT_EQ(text("MinuteInsere"), "10");

    QTest::mouseClick(control("MinuteInsere"), Qt::LeftButton);
    QTest::keyClicks(control("MinuteInsere"), "12");
    click("ValideInsere");
    EXPECT_EQ(model().index(3, 0).data().toString(), "03/07/2014 00:12");
    EXPECT_EQ(model().index(3, 1).data().toString(), "- -");
    EXPECT_EQ(model().index(4, 0).data().toString(), "03/07/2014 00:15");
    EXPECT_EQ(model().index(10, 0).data().toString(), "04/07/2014 00:15");
    EXPECT_TRUE(form->session().unsavedChanges);
    expectShown(kInsertionBand, false);
    expectShown({"Memo1"}, false);
    EXPECT_EQ(view()->currentIndex().row(), 3);
    EXPECT_TRUE(view()->selectionModel()->isSelected(model().index(3, 46)));
    EXPECT_TRUE(view()->viewport()->rect().intersects(view()->visualRect(model().index(3, 0))));
    EXPECT_TRUE(dialogs.messages().empty());

    TempDir copies;  // the saved month keeps its yyyy-mm name
    dialogs.fileName(copies.file("2014-07"));
    click("SauvegardeWLK");
    const MonthSession saved = ReadMonthSession(copies.file("2014-07.wlk"));
    EXPECT_EQ(saved.table.cell(3, 0), "03/07/2014 00:12");
    EXPECT_EQ(saved.month.records[3][2].packedTime, 12);
    EXPECT_EQ(saved.month.header.dayIndex[3].recordsInDay, 7 + 2);
    EXPECT_EQ(saved.month.header.dayIndex[4].startPos, saved.month.header.dayIndex[3].startPos + 9);
}

TEST_F(CommandsTest, RefusedEntryShowsItsRemarksAndKeepsTheBand) {
    load(monthPath);
    click("Inserligne");
    type("JourInsere", "32");
    type("HeureInsere", "00");
    type("MinuteInsere", "11");
    click("ValideInsere");
    EXPECT_EQ(text("JourInsere"), "32 : Incompat.");
    expectShown(kInsertionBand, true);
    EXPECT_EQ(model().index(10, 0).data().toString(), "");
    EXPECT_FALSE(form->session().unsavedChanges);

    // Clicked and typed again: the old remark goes, a one-digit day is padded.
    QTest::mouseClick(control("JourInsere"), Qt::LeftButton);
    QTest::keyClicks(control("JourInsere"), "4");
    click("ValideInsere");
    EXPECT_EQ(model().index(9, 0).data().toString(), "04/07/2014 00:11");
    expectShown(kInsertionBand, false);
}

TEST_F(CommandsTest, OneBandAtATime) {
    load(monthPath);
    click("Inserligne");
    click("Ensol");
    expectShown(kInsertionBand, false);
    expectShown(kSunshineBand, true);
    EXPECT_EQ(control<QPlainTextEdit>("Memo1")->toPlainText().toStdString().rfind(SunshineInstructionLines()[0], 0), 0u);
    click("Inserligne");
    expectShown(kSunshineBand, false);
    expectShown(kInsertionBand, true);
    expectShown({"Memo1"}, true);
    click("AnnuleInsere");
    expectShown(kInsertionBand, false);
    expectShown({"Memo1"}, false);
}

TEST_F(CommandsTest, ForecastHintFollowsThePointer) {
    load(monthPath);  // every record holds forecast rule 8
    auto* bulle = control<QLabel>("Bulle");
    moveOver(2, 24);
    EXPECT_TRUE(bulle->isVisible());
    EXPECT_EQ(bulle->text(), " Généralement dégagé et plus chaud.");
    EXPECT_EQ(bulle->pos(), QPoint(430, 92));
    EXPECT_GE(bulle->width(), bulle->sizeHint().width());
    moveOver(2, 23);
    EXPECT_FALSE(bulle->isVisible());
    moveOver(12, 24);  // an empty cell leaves it as it was
    EXPECT_FALSE(bulle->isVisible());
    ASSERT_TRUE(model().setData(model().index(3, 24), "300"));  // read as rule 44
    moveOver(3, 24);
    EXPECT_TRUE(bulle->isVisible());
    EXPECT_EQ(bulle->text().toStdString(),
              " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les "
              "24 à 48 heures.");
}

// An FTP client that never leaves the process: it keeps what it was given.
struct UploadLog {
    std::string host, user, password, localPath, remoteName;
    bool busyDuringTransfer = false;
};

class RecordingFtpClient : public FtpClient {
public:
    explicit RecordingFtpClient(UploadLog& log) : log_(log) {}
    void connect(const std::string& host, int, const std::string& user, const std::string& password) override {
        log_.host = host;
        log_.user = user;
        log_.password = password;
        connected_ = true;
    }
    bool isConnected() const override { return connected_; }
    void setAsciiTransfer() override {}
    void setPassive(bool) override {}
    void put(const std::string& localPath, const std::string& remoteName) override {
        log_.localPath = localPath;
        log_.remoteName = remoteName;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        log_.busyDuringTransfer = cursor && cursor->shape() == Qt::WaitCursor;
        stored_ = static_cast<long long>(fs::file_size(localPath));
    }
    long long size(const std::string&) override { return stored_; }
    void disconnect() override { connected_ = false; }

private:
    UploadLog& log_;
    bool connected_ = false;
    long long stored_ = -1;
};

TEST_F(DemoStationTest, InfoClimatPanelReadsTheSettingsAndUploadsWithABusyCursor) {
    WriteInfoClimatSettings(programFolder() + std::string(kConfigICName), {"07123", "station", "motdepasse"});
    UploadLog log;
    InfoClimatUpload upload;
    upload.server = FtpServer{"127.0.0.1", 9, {}};
    upload.makeClient = [&log](const FtpTimeouts&) { return std::make_unique<RecordingFtpClient>(log); };
    form->setInfoClimatUpload(upload);

    click("ExportIC");
    expectShown({"ConfigIC"}, true);
    EXPECT_EQ(text("CodeStation"), "07123");
    EXPECT_EQ(text("UtilIC"), "station");
    EXPECT_EQ(text("PasseIC"), "motdepasse");

    type("PasseIC", "nouveau");
    dialogs.timeBase(Answer::No);
    click("EnregIC");
    expectShown({"ConfigIC"}, false);
    EXPECT_EQ(form->infoClimatSettings().password, "nouveau");
    EXPECT_EQ(ReadInfoClimatSettings(programFolder() + std::string(kConfigICName))->password, "nouveau");
    const std::string icFile = stationDir.file("07123_202602.ic");
    ASSERT_TRUE(fs::exists(icFile));
    EXPECT_EQ(log.host, "127.0.0.1");
    EXPECT_EQ(log.user, "station");
    EXPECT_EQ(log.password, "nouveau");
    EXPECT_EQ(log.localPath, icFile);
    EXPECT_EQ(log.remoteName, "07123_202602.ic");
    EXPECT_TRUE(log.busyDuringTransfer);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Le fichier a été enregistré sur votre ordinateur.\n"
                                        "Patientez, il va être transféré sur le serveur d'InfoClimat",
                                        "Transféré avec succès sur le serveur d' InfoClimat (" +
                                            std::to_string(fs::file_size(icFile) / 1024) + "ko)"}));
}

TEST_F(DemoStationTest, FailedUploadStillRestoresTheCursor) {
    InfoClimatUpload upload;
    upload.server = FtpServer{"127.0.0.1", 9, {}};
    upload.makeClient = [](const FtpTimeouts&) -> std::unique_ptr<FtpClient> {
        throw FtpError("Connexion refusée par le serveur");
    };
    form->setInfoClimatUpload(upload);
    click("ExportIC");
    type("CodeStation", "07123");
    dialogs.timeBase(Answer::No);
    click("EnregIC");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.shown().back().kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages().back(), "Connexion refusée par le serveur");
    EXPECT_TRUE(form->isVisible());
}

} // namespace
} // namespace pluvelle::ui::testing
