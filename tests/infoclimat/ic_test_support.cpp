#include "ic_test_support.h"

#include "core/command_runner.h"
#include "core/month_load.h"

#include <filesystem>

namespace pluvelle::testing {

std::string MonthFolder::write(int year, int month, const std::vector<FixtureDay>& days) {
    const std::string name = std::to_string(year) + (month < 10 ? "-0" : "-") + std::to_string(month) + ".wlk";
    const std::string p = dir_.file(name);
    WriteFile(p, MonthBytes(days));
    return p;
}

ArchiveRecord At(int packedTime, int interval) {
    ArchiveRecord r = SampleRecord(packedTime);
    r.archiveInterval = static_cast<std::uint8_t>(interval);
    return r;
}

ExportRun RunExport(const std::string& monthPath, Answer timeBase, const InfoClimatUpload* upload,
                    void (*edit)(MonthSession&)) {
    ExportRun run;
    MonthSession session = ReadMonthSession(monthPath);
    if (edit) edit(session);
    run.dialogs.timeBase(timeBase);
    const InfoClimatSettings settings{"07123", "station", "s3cr3t-Pa55"};
    run.result = RunCommand(run.dialogs, [&] { return ExportInfoClimatFlow(session, settings, run.dialogs, upload); });
    run.icPath = session.month.currentFolder + InfoClimatFileName(session.month, settings.stationCode);
    run.written = std::filesystem::exists(run.icPath);
    if (run.written) {
        const std::string bytes = ReadFile(run.icPath);
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", at);
            if (end == std::string::npos) {
                run.lines.push_back(bytes.substr(at) + "<no CR LF>");
                break;
            }
            run.lines.push_back(bytes.substr(at, end - at));
            at = end + 2;
        }
    }
    return run;
}

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (std::size_t semi; (semi = line.find(';', at)) != std::string::npos; at = semi + 1)
        fields.push_back(line.substr(at, semi - at));
    if (at < line.size()) fields.push_back(line.substr(at) + "<no final ;>");
    return fields;
}

const std::string* LineAt(const ExportRun& run, const std::string& dhUtc) {
    for (std::size_t i = 1; i < run.lines.size(); ++i)
        if (SplitFields(run.lines[i]).at(1) == dhUtc) return &run.lines[i];
    return nullptr;
}

std::vector<std::string> Times(const ExportRun& run) {
    std::vector<std::string> out;
    for (std::size_t i = 1; i < run.lines.size(); ++i) out.push_back(SplitFields(run.lines[i]).at(1));
    return out;
}

namespace {

class ScriptedFtpClient : public FtpClient {
public:
    explicit ScriptedFtpClient(FtpScript& script) : s_(script) {}
    void connect(const std::string& host, int port, const std::string& user, const std::string& password) override {
        s_.calls.push_back("connect " + host + ":" + std::to_string(port));
        s_.user = user;
        s_.password = password;
    }
    bool isConnected() const override { return s_.connects; }
    void setAsciiTransfer() override { s_.calls.push_back("ascii"); }
    void setPassive(bool passive) override { s_.calls.push_back(passive ? "passive" : "active"); }
    void put(const std::string& localPath, const std::string& remoteName) override {
        s_.calls.push_back("put " + std::filesystem::path(localPath).filename().string() + " as " + remoteName);
    }
    long long size(const std::string& remoteName) override {
        s_.calls.push_back("size " + remoteName);
        return s_.size;
    }
    void disconnect() override { s_.calls.push_back("disconnect"); }

private:
    FtpScript& s_;
};

} // namespace

InfoClimatUpload ScriptedUpload(FtpScript& script) {
    InfoClimatUpload upload;
    upload.server.host = "ftp.example.invalid";
    upload.makeClient = [&script](const FtpTimeouts&) { return std::make_unique<ScriptedFtpClient>(script); };
    return upload;
}

} // namespace pluvelle::testing
