#include "core/legal_time.h"

#include "scripted_dialogs.h"

#include <gtest/gtest.h>

namespace pluvelle {
namespace {

TEST(LegalTimeOffset, ChangesOnTheLastSundaysOfMarchAndOctober) {
    const struct { unsigned d, m, y; int offset; } cases[] = {
        {30, 3, 2024, 1}, {31, 3, 2024, 2}, {26, 10, 2024, 2}, {27, 10, 2024, 1},
        {25, 3, 2023, 1}, {26, 3, 2023, 2}, {28, 10, 2023, 2}, {29, 10, 2023, 1},
        {15, 1, 2025, 1}, {28, 2, 2025, 1}, {1, 11, 2025, 1}, {31, 12, 2025, 1},
        {1, 4, 2025, 2},  {15, 7, 2025, 2}, {30, 9, 2025, 2},
        // 31 March 2024 is a Sunday: only that day of March is summer time.
        {30, 3, 2024, 1}, {31, 3, 2024, 2},
        // 25 October 2026 is a Sunday: 25 to 31 October are winter time.
        {24, 10, 2026, 2}, {25, 10, 2026, 1}, {31, 10, 2026, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LegalTimeOffset(c.d, c.m, c.y), c.offset) << c.d << "/" << c.m << "/" << c.y;
}

TEST(AskTimeBase, LegalUtcAndDismissed) {
    testing::ScriptedDialogs d;
    d.timeBase(Answer::Yes).timeBase(Answer::No).timeBase(Answer::Cancel);
    EXPECT_EQ(AskTimeBase(d), TimeBase::Legal);
    EXPECT_EQ(AskTimeBase(d), TimeBase::Utc);
    EXPECT_EQ(AskTimeBase(d), TimeBase::Legal);
    ASSERT_EQ(d.shown().size(), 3u);
    EXPECT_EQ(d.shown()[0].text, "Type d'heure des données");
}

} // namespace
} // namespace pluvelle
