#include "table_csv.h"

#include "atomic_file.h"
#include "text_output.h"

namespace pluvelle {

namespace {
std::string Slice(const std::string& s, std::size_t from, std::size_t count) {
    return from < s.size() ? s.substr(from, count) : std::string();
}
} // namespace

std::string TableCsvBytes(const MonthTable& table) {
    std::string text;
    text.reserve(static_cast<std::size_t>(table.rowCount()) * 260);
    text += "Date;Heure;";
    for (int c = 1; c < kColumnCount; ++c) {
        text += table.cell(0, c);
        text += ';';
    }
    text += "\r\n";
    for (int r = 1; r < table.rowCount(); ++r) {
        const std::string& when = table.cell(r, 0);
        text += Slice(when, 0, 10);
        text += ';';
        text += Slice(when, 11, 5);
        text += ';';
        for (int c = 1; c < kColumnCount; ++c) {
            text += table.cell(r, c);
            text += ';';
        }
        text += "\r\n";
    }
    return Utf8ToCp1252(text);
}

CommandResult ExportTableFlow(const MonthSession& session, Dialogs& dialogs) {
    const auto name = dialogs.askSaveFileName(kCsvSaveFilter, ".csv");
    if (!name || name->empty()) return CommandResult::Cancelled;
    WriteFileAtomically(SaveName(dialogs, *name, ".csv"), TableCsvBytes(session.table));
    dialogs.showMessage(MessageKind::Confirmation, "Fichier enregistré");
    return CommandResult::Done;
}

} // namespace pluvelle
