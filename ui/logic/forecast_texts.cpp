#include "forecast_texts.h"

#include <array>
#include <vector>

namespace pluvelle {

namespace {

struct ForecastSentence {
    const char* text;
    std::vector<int> rules;
};

// Several rules share a sentence; the logger's rule list runs from 0 to 192.
const ForecastSentence kSentences[] = {
    {" Généralement dégagé et frais. ",
     {0}},
    {" Généralement dégagé avec léger changement de température.",
     {1, 4, 11, 14, 16, 18, 20, 22, 26, 31, 36, 39, 43, 47, 50, 53, 56, 59, 62, 65, 68, 73, 79, 83, 87, 92, 97, 102, 106, 115, 125, 128, 132, 138, 142, 145, 150, 155, 160, 166, 171, 175, 180, 186, 191}},
    {" Généralement dégagé pour 12 heures avec léger changement de température.",
     {2}},
    {" Généralement dégagé pour pour 12 à 24 heures et refroidissement.",
     {3}},
    {" Partiellement nuageux et plus frais.",
     {5, 75}},
    {" Partiellement nuageux avec léger changement de température.",
     {6, 7, 9, 10, 13, 17, 21, 25, 30, 35, 38, 42, 46, 49, 52, 55, 58, 61, 64, 67, 71, 76, 82, 86, 91, 96, 101, 105, 114, 124, 127, 131, 137, 141, 144, 149, 154, 159, 165, 170, 174, 179, 185, 190}},
    {" Généralement dégagé et plus chaud.",
     {8, 41}},
    {" Augmentation des nuages et plus chaud. Précipitations possibles dans les 24 à 48 heures.",
     {12}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 24 heures.",
     {15, 84}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 12 heures.",
     {19}},
    {" Augmentation des nuages et plus chaud. Précipitations possibles dans les 24 heures.",
     {23}},
    {" Généralement dégagé et plus chaud. Vent plus fort.",
     {24, 28, 33}},
    {" Augmentation des nuages et plus chaud. Précipitations possibles dans les 12 heures. Vent plus fort.",
     {27, 32, 37}},
    {" Augmentation des nuages et plus chaud.",
     {29, 34}},
    {" Généralement dégagé et plus chaud. Precipitations possibles dans les 48 heures.",
     {40}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 24 à 48 heures.",
     {44}},
    {" Augmentation des nuages avec léger changement de température.",
     {45}},
    {" Augmentation des nuages et plus chaud. Précipitations possibles dans les 12 à 24 heures.",
     {48}},
    {" Augmentation des nuages et plus chaud. Précipitations possibles dans les 12 à 24 heures. Vent.",
     {51, 54, 63}},
    {" Augmentation des nuages et plus chaud. Précipitations possibles dans les 6 à 12 heures.",
     {57}},
    {" Augmentation des nuages et plus chaud. Précipitations possibles dans les 6 à 12 heures. Vent.",
     {60}},
    {" Augmentation des nuages et plus chaud. Précipitations possibles dans les 12 heures.",
     {66}},
    {" Augmentation des nuages et plus chaud. Precipitation likley.",
     {69}},
    {" S'éclaircissant et plus frais. Fin des précipitations dans les 6 heures.",
     {70, 72, 74, 78, 80}},
    {" Généralement dégagé et frais.",
     {77, 81}},
    {" Fortement nuageux et plus frais. Continuation des précipitations.",
     {85, 184}},
    {" Fortement nuageux et plus frais. Précipitations probables.",
     {88}},
    {" Fortement nuageux avec léger changement de température. Continuation des précipitations.",
     {89, 188}},
    {" Fortement nuageux avec léger changement de température. Précipitations probables.",
     {90, 189}},
    {" Augmentation des nuages et plus frais. Precipitations possibles avec vent dans les 6 heures.",
     {93}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles avec vent dans les 6 heures.",
     {94}},
    {" Fortement nuageux et plus frais. Continuation des précipitations. Vent plus fort.",
     {95}},
    {" Fortement nuageux et plus frais. Précipitations probables. Vent plus fort.",
     {98}},
    {" Fortement nuageux avec léger changement de température. Continuation des précipitations. Vent plus fort.",
     {99}},
    {" Fortement nuageux avec léger changement de température. Précipitations probables. Vent plus fort.",
     {100}},
    {" Augmentation des nuages et plus frais. Précipitations possibles dans les 12 à 24 heures Le vent pourrait tourner à l' O, NO, ou N.",
     {103}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 12 à 24 heures Le vent pourrait tourner à l' O, NO, ou N.",
     {104}},
    {" Augmentation des nuages et plus frais. Précipitations possibles dans les 6 heures Le vent pourrait tourner à l' O, NO, ou N.",
     {107, 167}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 6 heures Le vent pourrait tourner à l' O, NO, ou N.",
     {108, 169}},
    {" Fortement nuageux et plus frais. Fin des précipitations dans les 12 heures Le vent pourrait tourner à l' O, NO, ou N.",
     {109, 113}},
    {" Fortement nuageux et plus frais. Le vent pourrait tourner à l' O, NO, ou N.",
     {110, 122}},
    {" Fortement nuageux avec léger changement de température. Fin des précipitations dans les 12 heures Le vent pourrait tourner à l' O, NO, ou N.",
     {111, 117}},
    {" Fortement nuageux avec léger changement de température. Le vent pourrait tourner à l' O, NO, ou N.",
     {112}},
    {" Fortement nuageux et plus frais. Précipitations possibles dans les 24 heures Le vent pourrait tourner à l' O, NO, ou N.",
     {116}},
    {" Fortement nuageux avec léger changement de température. Précipitations possibles dans les 24 heures Le vent pourrait tourner à l' O, NO, ou N.",
     {118}},
    {" S'éclaircissant, plus frais et vent. Fin des précipitations dans les 6 heures.",
     {119}},
    {" S'éclaircissant, plus frais et vent.",
     {120, 123}},
    {" Fortement nuageux et plus frais. Fin des précipitations dans les 6 heures. Le vent pourrait tourner à l' O, NO, ou N.",
     {121}},
    {" Fortement nuageux avec léger changement de température. Précipitations possibles dans les 12 heures. Vent.",
     {126}},
    {" Augmentation des nuages et plus frais. Précipitations possibles dans les 12 heures, parfois probablement fortes. Vent.",
     {129}},
    {" Fortement nuageux et plus frais. Fin des précipitations dans les 6 heures. Vent.",
     {130}},
    {" Fortement nuageux et plus frais. Précipitations possibles dans les 12 heures. Vent.",
     {133}},
    {" Fortement nuageux et plus frais. Fin des précipitations dans les 12 à 24 heures.",
     {134}},
    {" Fortement nuageux et plus frais.",
     {135}},
    {" Fortement nuageux et plus frais. Continuation des précipitations, parfois probablement fortes. Vent.",
     {136, 148}},
    {" Fortement nuageux et plus frais. Précipitations possibles dans les 6 à 12 heures. Vent.",
     {139}},
    {" Fortement nuageux avec léger changement de température. Continuation des précipitations, parfois probablement fortes. Vent.",
     {140, 152}},
    {" Fortement nuageux avec léger changement de température. Précipitations possibles dans les 6 à 12 heures. Vent.",
     {143}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 12 heures, parfois probablement fortes. Vent.",
     {146}},
    {" Fortement nuageux et plus frais. Vent.",
     {147}},
    {" Fortement nuageux et plus frais. Précipitations probables, parfois probablement fortes. Vent.",
     {151}},
    {" Fortement nuageux avec léger changement de température. Précipitations probables, parfois probablement fortes. Vent.",
     {153}},
    {" Augmentation des nuages et plus frais. Précipitations possibles dans les 6 heures. Vent.",
     {156}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 6 heures. Vent",
     {157}},
    {" Augmentation des nuages et plus frais. Continuation des précipitations. Le vent pourrait tourner à l' O, NO, ou N.",
     {158}},
    {" Fortement nuageux et plus frais. Précipitations probables. Le vent pourrait tourner à l' O, NO, ou N.",
     {161, 187}},
    {" Fortement nuageux avec léger changement de température. Continuation des précipitations. Le vent pourrait tourner à l' O, NO, ou N.",
     {162}},
    {" Fortement nuageux avec léger changement de température. Précipitations probables. Le vent pourrait tourner à l' O, NO, ou N.",
     {163}},
    {" Augmentation des nuages et plus frais. Précipitations possibles dans les 6 heures. Le vent pourrait tourner à l' O, NO, ou N.",
     {164, 172}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 6 heures. Le vent pourrait tourner à l' O, NO, ou N.",
     {168, 173}},
    {" Augmentation des nuages et plus frais. Précipitations possibles dans les 12 à 24 heures. Le vent pourrait tourner à l' O, NO, ou N.",
     {176}},
    {" Augmentation des nuages avec léger changement de température. Précipitations possibles dans les 12 à 24 heures. Le vent pourrait tourner à l' O, NO, ou N.",
     {177}},
    {" Fortement nuageux et plus frais. Precipitation parfois probablement fortes et finissant dans les 12 heures. Le vent pourrait tourner à l' O, NO, ou N.",
     {178}},
    {" Fortement nuageux et plus frais. Précipitations possibles dans les 6 à 12 heures, parfois probablement fortes. Le vent pourrait tourner à l' O, NO, ou N.",
     {181}},
    {" Fortement nuageux avec léger changement de température. Fin des précipitations dans les 12 heures. Le vent pourrait tourner à l' O, NO, ou N.",
     {182}},
    {" Fortement nuageux avec léger changement de température. Précipitations possibles dans les 6 à 12 heures, parfois probablement fortes. Le vent pourrait tourner à l' O, NO, ou N.",
     {183}},
    {" Fortement nuageux et plus frais. Précipitations possibles dans les 12 heures, parfois probablement fortes. Vent.",
     {192}},
};

const std::array<std::string, 256>& TextsByRule() {
    static const std::array<std::string, 256> texts = [] {
        std::array<std::string, 256> byRule;
        byRule.fill(" ");
        for (const ForecastSentence& s : kSentences)
            for (int rule : s.rules) byRule[static_cast<std::size_t>(rule)] = s.text;
        return byRule;
    }();
    return texts;
}

} // namespace

const std::string& ForecastText(int rule) {
    static const std::string blank = " ";
    if (rule < 0 || rule > 255) return blank;
    return TextsByRule()[static_cast<std::size_t>(rule)];
}

const std::string& ForecastTextOfNumber(long long number) {
    return ForecastText(static_cast<int>(static_cast<unsigned long long>(number) & 0xFF));
}

} // namespace pluvelle
