#include "gap_filling.h"

#include "row_insertion.h"

namespace pluvelle {

namespace {

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

} // namespace

GapFilling FillMissingRecords(MonthSession& session, const std::vector<RowTime>& times) {
    GapFilling result;
    for (const RowTime& t : times) {
        if (t.day < 1 || t.day > 31 || session.month.dayCount[t.day] == 0) {
            ++result.onEmptyDays;
            continue;
        }
        InsertionBand band;
        band.JourInsere = TwoDigits(t.day);
        band.HeureInsere = TwoDigits(t.minuteOfDay / 60);
        band.MinuteInsere = TwoDigits(t.minuteOfDay % 60);
        const InsertionResult r = ValidateInsertion(band, session);
        if (r.inserted) result.rows.push_back(r.row);
        else ++result.refused;
    }
    return result;
}

std::string DescribeFilling(const GapFilling& f) {
    if (f.onEmptyDays == 0 && f.refused == 0) return {};
    const std::size_t n = f.rows.size();
    std::string text = n == 0   ? "Aucun enregistrement inséré."
                       : n == 1 ? "1 enregistrement inséré."
                                : std::to_string(n) + " enregistrements insérés.";
    if (f.onEmptyDays > 0)
        text += "\r\n" + std::to_string(f.onEmptyDays) +
                (f.onEmptyDays == 1 ? " tombe sur un jour sans données" : " tombent sur des jours sans données") +
                " : un jour absent du fichier ne peut pas recevoir d'enregistrement.";
    if (f.refused > 0)
        text += "\r\n" + std::to_string(f.refused) + (f.refused == 1 ? " refusé" : " refusés") +
                " : jour complet ou heure déjà présente.";
    return text;
}

} // namespace pluvelle
