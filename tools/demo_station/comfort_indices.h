#pragma once
// The derived temperatures a station console keeps in its daily summaries,
// from temperature (°F), relative humidity (%), wind (mph) and sun (W/m²).

namespace pluvelle::demo {

double DewPointF(double tempF, double humidityPct);
double WindChillF(double tempF, double windMph);
double HeatIndexF(double tempF, double humidityPct);
// Temperature-humidity-wind index: the heat index cooled by the wind.
double ThwIndexF(double tempF, double humidityPct, double windMph);
// The same warmed by the sun (Steadman's apparent temperature).
double ThswIndexF(double tempF, double humidityPct, double windMph, double solarWm2);
double WetBulbF(double tempF, double humidityPct);

double CelsiusToF(double c);
double FToCelsius(double f);

} // namespace pluvelle::demo
