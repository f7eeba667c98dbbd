#include "ui/logic/forecast_hint.h"
#include "ui/logic/forecast_texts.h"

#include <gtest/gtest.h>

#include <set>

namespace pluvelle {
namespace {

struct RuleText {
    int rule;
    const char* text;
};

// One rule of each of the 77 sentences, byte for byte.
const RuleText kOnePerSentence[] = {
    {0, " Généralement dégagé et frais. "},
    {191, " Généralement dégagé avec léger changement de température."},
    {2, " Généralement dégagé pour 12 heures avec léger changement de température."},
    {3, " Généralement dégagé pour pour 12 à 24 heures et refroidissement."},
    {75, " Partiellement nuageux et plus frais."},
    {190, " Partiellement nuageux avec léger changement de température."},
    {41, " Généralement dégagé et plus chaud."},
    {12, " Augmentation des nuages et plus chaud. Précipitations possibles dans les 24 à 48 heures."},
    {84, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 24 heures."},
    {19, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 12 heures."},
    {23, " Augmentation des nuages et plus chaud. Précipitations possibles dans les 24 heures."},
    {33, " Généralement dégagé et plus chaud. Vent plus fort."},
    {37, " Augmentation des nuages et plus chaud. Précipitations possibles dans les 12 heures. Vent plus fort."},
    {34, " Augmentation des nuages et plus chaud."},
    {40, " Généralement dégagé et plus chaud. Precipitations possibles dans les 48 heures."},
    {44, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 24 à 48 heures."},
    {45, " Augmentation des nuages avec léger changement de température."},
    {48, " Augmentation des nuages et plus chaud. Précipitations possibles dans les 12 à 24 heures."},
    {63, " Augmentation des nuages et plus chaud. Précipitations possibles dans les 12 à 24 heures. Vent."},
    {57, " Augmentation des nuages et plus chaud. Précipitations possibles dans les 6 à 12 heures."},
    {60, " Augmentation des nuages et plus chaud. Précipitations possibles dans les 6 à 12 heures. Vent."},
    {66, " Augmentation des nuages et plus chaud. Précipitations possibles dans les 12 heures."},
    {69, " Augmentation des nuages et plus chaud. Precipitation likley."},
    {80, " S'éclaircissant et plus frais. Fin des précipitations dans les 6 heures."},
    {81, " Généralement dégagé et frais."},
    {184, " Fortement nuageux et plus frais. Continuation des précipitations."},
    {88, " Fortement nuageux et plus frais. Précipitations probables."},
    {188, " Fortement nuageux avec léger changement de température. Continuation des précipitations."},
    {189, " Fortement nuageux avec léger changement de température. Précipitations probables."},
    {93, " Augmentation des nuages et plus frais. Precipitations possibles avec vent dans les 6 heures."},
    {94, " Augmentation des nuages avec léger changement de température. Précipitations possibles avec vent dans les 6 heures."},
    {95, " Fortement nuageux et plus frais. Continuation des précipitations. Vent plus fort."},
    {98, " Fortement nuageux et plus frais. Précipitations probables. Vent plus fort."},
    {99, " Fortement nuageux avec léger changement de température. Continuation des précipitations. Vent plus fort."},
    {100, " Fortement nuageux avec léger changement de température. Précipitations probables. Vent plus fort."},
    {103, " Augmentation des nuages et plus frais. Précipitations possibles dans les 12 à 24 heures Le vent pourrait tourner à l' O, NO, ou N."},
    {104, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 12 à 24 heures Le vent pourrait tourner à l' O, NO, ou N."},
    {167, " Augmentation des nuages et plus frais. Précipitations possibles dans les 6 heures Le vent pourrait tourner à l' O, NO, ou N."},
    {169, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 6 heures Le vent pourrait tourner à l' O, NO, ou N."},
    {113, " Fortement nuageux et plus frais. Fin des précipitations dans les 12 heures Le vent pourrait tourner à l' O, NO, ou N."},
    {122, " Fortement nuageux et plus frais. Le vent pourrait tourner à l' O, NO, ou N."},
    {117, " Fortement nuageux avec léger changement de température. Fin des précipitations dans les 12 heures Le vent pourrait tourner à l' O, NO, ou N."},
    {112, " Fortement nuageux avec léger changement de température. Le vent pourrait tourner à l' O, NO, ou N."},
    {116, " Fortement nuageux et plus frais. Précipitations possibles dans les 24 heures Le vent pourrait tourner à l' O, NO, ou N."},
    {118, " Fortement nuageux avec léger changement de température. Précipitations possibles dans les 24 heures Le vent pourrait tourner à l' O, NO, ou N."},
    {119, " S'éclaircissant, plus frais et vent. Fin des précipitations dans les 6 heures."},
    {123, " S'éclaircissant, plus frais et vent."},
    {121, " Fortement nuageux et plus frais. Fin des précipitations dans les 6 heures. Le vent pourrait tourner à l' O, NO, ou N."},
    {126, " Fortement nuageux avec léger changement de température. Précipitations possibles dans les 12 heures. Vent."},
    {129, " Augmentation des nuages et plus frais. Précipitations possibles dans les 12 heures, parfois probablement fortes. Vent."},
    {130, " Fortement nuageux et plus frais. Fin des précipitations dans les 6 heures. Vent."},
    {133, " Fortement nuageux et plus frais. Précipitations possibles dans les 12 heures. Vent."},
    {134, " Fortement nuageux et plus frais. Fin des précipitations dans les 12 à 24 heures."},
    {135, " Fortement nuageux et plus frais."},
    {148, " Fortement nuageux et plus frais. Continuation des précipitations, parfois probablement fortes. Vent."},
    {139, " Fortement nuageux et plus frais. Précipitations possibles dans les 6 à 12 heures. Vent."},
    {152, " Fortement nuageux avec léger changement de température. Continuation des précipitations, parfois probablement fortes. Vent."},
    {143, " Fortement nuageux avec léger changement de température. Précipitations possibles dans les 6 à 12 heures. Vent."},
    {146, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 12 heures, parfois probablement fortes. Vent."},
    {147, " Fortement nuageux et plus frais. Vent."},
    {151, " Fortement nuageux et plus frais. Précipitations probables, parfois probablement fortes. Vent."},
    {153, " Fortement nuageux avec léger changement de température. Précipitations probables, parfois probablement fortes. Vent."},
    {156, " Augmentation des nuages et plus frais. Précipitations possibles dans les 6 heures. Vent."},
    {157, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 6 heures. Vent"},
    {158, " Augmentation des nuages et plus frais. Continuation des précipitations. Le vent pourrait tourner à l' O, NO, ou N."},
    {187, " Fortement nuageux et plus frais. Précipitations probables. Le vent pourrait tourner à l' O, NO, ou N."},
    {162, " Fortement nuageux avec léger changement de température. Continuation des précipitations. Le vent pourrait tourner à l' O, NO, ou N."},
    {163, " Fortement nuageux avec léger changement de température. Précipitations probables. Le vent pourrait tourner à l' O, NO, ou N."},
    {172, " Augmentation des nuages et plus frais. Précipitations possibles dans les 6 heures. Le vent pourrait tourner à l' O, NO, ou N."},
    {173, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 6 heures. Le vent pourrait tourner à l' O, NO, ou N."},
    {176, " Augmentation des nuages et plus frais. Précipitations possibles dans les 12 à 24 heures. Le vent pourrait tourner à l' O, NO, ou N."},
    {177, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 12 à 24 heures. Le vent pourrait tourner à l' O, NO, ou N."},
    {178, " Fortement nuageux et plus frais. Precipitation parfois probablement fortes et finissant dans les 12 heures. Le vent pourrait tourner à l' O, NO, ou N."},
    {181, " Fortement nuageux et plus frais. Précipitations possibles dans les 6 à 12 heures, parfois probablement fortes. Le vent pourrait tourner à l' O, NO, ou N."},
    {182, " Fortement nuageux avec léger changement de température. Fin des précipitations dans les 12 heures. Le vent pourrait tourner à l' O, NO, ou N."},
    {183, " Fortement nuageux avec léger changement de température. Précipitations possibles dans les 6 à 12 heures, parfois probablement fortes. Le vent pourrait tourner à l' O, NO, ou N."},
    {192, " Fortement nuageux et plus frais. Précipitations possibles dans les 12 heures, parfois probablement fortes. Vent."},
};

TEST(ForecastTexts, EachSentenceByteForByte) {
    for (const RuleText& c : kOnePerSentence) EXPECT_EQ(ForecastText(c.rule), c.text) << "rule " << c.rule;
}

TEST(ForecastTexts, RulesUpTo192ShareTheSeventySevenSentences) {
    std::set<std::string> sentences;
    for (const RuleText& c : kOnePerSentence) sentences.insert(c.text);
    ASSERT_EQ(sentences.size(), 77u);
    std::set<std::string> used;
    for (int rule = 0; rule <= 192; ++rule) {
        const std::string& text = ForecastText(rule);
        EXPECT_TRUE(sentences.count(text)) << "rule " << rule;
        used.insert(text);
    }
    EXPECT_EQ(used, sentences);
}

TEST(ForecastTexts, SharedRulesAndNumbersOutsideTheList) {
    const struct {
        long long number;
        const char* text;
    } cases[] = {
        {0, " Généralement dégagé et frais. "},
        {1, " Généralement dégagé avec léger changement de température."},
        {106, " Généralement dégagé avec léger changement de température."},
        {75, " Partiellement nuageux et plus frais."},
        {184, " Fortement nuageux et plus frais. Continuation des précipitations."},
        {192, " Fortement nuageux et plus frais. Précipitations possibles dans les 12 heures, parfois probablement "
              "fortes. Vent."},
        {193, " "},
        {255, " "},
        {256, " Généralement dégagé et frais. "},  // low 8 bits
        {300, " Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 24 à "
              "48 heures."},
        {-1, " "},
    };
    for (const auto& c : cases) EXPECT_EQ(ForecastTextOfNumber(c.number), c.text) << c.number;
    EXPECT_EQ(ForecastTextOfNumber(300), ForecastText(44));
    EXPECT_EQ(ForecastText(-3), " ");
    EXPECT_EQ(ForecastText(1000), " ");
}

TEST(ForecastHint, FollowsThePointerOverTheForecastColumn) {
    const HintState shown{true, " Partiellement nuageux et plus frais."};
    const HintState hidden{false, "old"};
    const struct {
        const char* what;
        int column;
        int row;
        const char* cell;
        HintState from;
        HintState expected;
    } cases[] = {
        {"rule 0", 24, 3, "0", hidden, {true, " Généralement dégagé et frais. "}},
        {"rule 193", 24, 3, "193", shown, {true, " "}},
        {"300 reads as 44", 24, 3, "300", hidden, {true, ForecastText(44)}},
        {"spaces around", 24, 3, " 8 ", hidden, {true, " Généralement dégagé et plus chaud."}},
        {"other column", 23, 3, "5", shown, {false, shown.text}},
        {"title row", 24, 0, "Prevision", shown, {false, shown.text}},
        {"no cell", -1, -1, "", shown, {false, shown.text}},
        {"empty cell keeps a shown hint", 24, 3, "", shown, shown},
        {"empty cell keeps a hidden hint", 24, 3, "", hidden, hidden},
        {"decimal", 24, 3, "12.5", shown, {false, shown.text}},
        {"text", 24, 3, "abc", shown, {false, shown.text}},
        {"missing", 24, 3, "- -", shown, {false, shown.text}},
        {"too long", 24, 3, "1234567890123456789", shown, {false, shown.text}},
    };
    for (const auto& c : cases) {
        const HintState next = NextHintState(c.from, c.column, c.row, c.cell);
        EXPECT_EQ(next.visible, c.expected.visible) << c.what;
        if (next.visible) {
            EXPECT_EQ(next.text, c.expected.text) << c.what;
        }
    }
    EXPECT_EQ(DecideForecastHint(24, 1, "").action, HintAction::Keep);
    EXPECT_EQ(DecideForecastHint(24, 1, "x").action, HintAction::Hide);
    EXPECT_EQ(DecideForecastHint(24, 1, "5").action, HintAction::Show);
}

} // namespace
} // namespace pluvelle
