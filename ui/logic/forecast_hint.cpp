#include "forecast_hint.h"

#include "char_text.h"
#include "forecast_texts.h"

namespace pluvelle {

HintDecision DecideForecastHint(int column, int row, std::string_view cellText) {
    if (column != kForecastColumn || row < 1) return {HintAction::Hide, {}};
    if (cellText.empty()) return {HintAction::Keep, {}};
    const auto number = ParseWholeNumber(cellText);
    if (!number) return {HintAction::Hide, {}};
    return {HintAction::Show, ForecastTextOfNumber(*number)};
}

HintState NextHintState(const HintState& current, int column, int row, std::string_view cellText) {
    HintDecision d = DecideForecastHint(column, row, cellText);
    switch (d.action) {
        case HintAction::Show: return {true, std::move(d.text)};
        case HintAction::Hide: return {false, current.text};
        case HintAction::Keep: break;
    }
    return current;
}

} // namespace pluvelle
