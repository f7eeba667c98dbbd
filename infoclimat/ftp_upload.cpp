#include "ftp_upload.h"

#ifndef PLUVELLE_INFOCLIMAT_HOST
#define PLUVELLE_INFOCLIMAT_HOST "ftp.infoclimat.fr"
#endif

namespace pluvelle {

namespace {

class BusyWhile {
public:
    explicit BusyWhile(const std::function<void(bool)>& busy) : busy_(busy) {
        if (busy_) busy_(true);
    }
    ~BusyWhile() {
        if (busy_) busy_(false);
    }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;

private:
    const std::function<void(bool)>& busy_;
};

} // namespace

FtpServer InfoClimatServer() { return FtpServer{PLUVELLE_INFOCLIMAT_HOST, 21, FtpTimeouts{}}; }

CommandResult UploadInfoClimatFile(const std::string& localPath, const std::string& remoteName,
                                   const InfoClimatSettings& settings, const InfoClimatUpload& upload,
                                   Dialogs& dialogs) {
    dialogs.showMessage(MessageKind::Confirmation,
                        "Le fichier a été enregistré sur votre ordinateur.\n"
                        "Patientez, il va être transféré sur le serveur d'InfoClimat");
    // Messages wait until the busy cursor is gone and the client released.
    bool connected = false;
    long long size = -1;
    {
        BusyWhile busy(upload.busy);
        const auto client = upload.makeClient(upload.server.timeouts);
        client->connect(upload.server.host, upload.server.port, settings.userName, settings.password);
        connected = client->isConnected();
        if (connected) {
            client->setAsciiTransfer();
            client->setPassive(true);
            client->put(localPath, remoteName);
            size = client->size(remoteName);
            client->disconnect();
        }
    }
    if (!connected) {
        dialogs.showMessage(MessageKind::Confirmation, "Connexion Impossible");
        return CommandResult::Refused;
    }
    if (size > 0) {
        dialogs.showMessage(MessageKind::Confirmation, "Transféré avec succès sur le serveur d' InfoClimat (" +
                                                           std::to_string(size / 1024) + "ko)");
        return CommandResult::Done;
    }
    dialogs.showMessage(MessageKind::Confirmation, "Le fichier n'a pu être transféré");
    return CommandResult::Refused;
}

} // namespace pluvelle
