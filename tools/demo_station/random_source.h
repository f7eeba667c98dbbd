#pragma once
// A small random source of our own: the standard library's distributions
// differ between compilers, and the demo station must come out byte for byte
// the same on every machine that builds it.
#include <cmath>
#include <cstdint>

namespace pluvelle::demo {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : state_(seed) {}

    // SplitMix64.
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Uniform(double low, double high) { return low + (high - low) * Uniform(); }
    // Standard normal, Box-Muller.
    double Normal() {
        const double u = 1.0 - Uniform();
        const double v = Uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
    }
    bool Chance(double probability) { return Uniform() < probability; }

private:
    std::uint64_t state_;
};

// A first-order autoregressive wander around zero with standard deviation
// `sd` and memory `tau` (in steps): the slow drifts of weather.
class Wander {
public:
    Wander(double sd, double tauSteps) : sd_(sd), keep_(std::exp(-1.0 / tauSteps)) {}
    double Step(RandomSource& rng) {
        value_ = keep_ * value_ + std::sqrt(1.0 - keep_ * keep_) * sd_ * rng.Normal();
        return value_;
    }
    double value() const { return value_; }

private:
    double sd_;
    double keep_;
    double value_ = 0.0;
};

} // namespace pluvelle::demo
