#pragma once
// The station's forecast rule numbers (column "Prevision") as French sentences.
#include <string>

namespace pluvelle {

// Rules 0..192 each have a sentence; any other number has " ".
const std::string& ForecastText(int rule);
// A number typed or stored in the column: only its low 8 bits count, as in
// the record's byte (300 reads as 44).
const std::string& ForecastTextOfNumber(long long number);

} // namespace pluvelle
