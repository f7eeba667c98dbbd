#pragma once
// French legal time: UTC+1 in winter, UTC+2 in summer, changing on the last
// Sundays of March and October, taken per whole calendar day.
#include "dialogs.h"

namespace pluvelle {

enum class TimeBase { Legal, Utc };

bool IsWinterTime(unsigned day, unsigned month, unsigned year);
int LegalTimeOffset(unsigned day, unsigned month, unsigned year);
// Asks "Type d'heure des données" ("Légales" / "UTC"); a dismissed box means Legal.
TimeBase AskTimeBase(Dialogs& dialogs);

} // namespace pluvelle
