#pragma once
// The hint label `Bulle` over the table: it explains the forecast column and
// no other. `TableauMouseMove` asks this for every cell the pointer passes.
#include <string>
#include <string_view>

namespace pluvelle {

inline constexpr int kForecastColumn = 24;

struct HintState {
    bool visible = true;  // shown but empty at start
    std::string text;
};

enum class HintAction { Show, Hide, Keep };

struct HintDecision {
    HintAction action = HintAction::Keep;
    std::string text;  // for Show
};

// `column` and `row` are the table's hit test (negative when no cell).
// Off the forecast column or on the title row: hide. An empty cell: keep the
// hint as it was. A whole number: show its sentence. Anything else the user
// typed names no rule: hide, without a message.
HintDecision DecideForecastHint(int column, int row, std::string_view cellText);
HintState NextHintState(const HintState& current, int column, int row, std::string_view cellText);

} // namespace pluvelle
