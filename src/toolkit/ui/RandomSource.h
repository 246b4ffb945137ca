#pragma once

#include <random>

/// Draws whole numbers uniformly; tests seed it.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = std::random_device{}())
        : m_engine(seed) {}
    /// A number from 0 to `count` - 1; `count` must be at least 1.
    int below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_engine); }

private:
    std::mt19937_64 m_engine;
};
