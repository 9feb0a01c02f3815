#pragma once

#include <QString>

#include <cstdint>

// A small random sequence of our own: the same seed gives the same pictures on
// every machine and with every Qt version, which a shipped picture needs so
// that a rebuild leaves it untouched.
class TSampleRandom
{
public:
    explicit TSampleRandom(std::uint64_t seed) : m_state(seed ? seed : 0x9E3779B97F4A7C15ull) {}

    // A seed from a text (a product code), the same everywhere.
    static std::uint64_t SeedFrom(const QString& text)
    {
        std::uint64_t hash = 1469598103934665603ull;
        for (const QChar c : text) {
            hash ^= c.unicode();
            hash *= 1099511628211ull;
        }
        return hash;
    }

    std::uint64_t Next()
    {
        // xorshift64*
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 2685821657736338717ull;
    }
    // In [0, 1).
    double Unit() { return double(Next() >> 11) / double(1ull << 53); }
    double Between(double low, double high) { return low + (high - low) * Unit(); }
    // In [0, count).
    int Below(int count) { return count <= 0 ? 0 : int(Next() % std::uint64_t(count)); }

private:
    std::uint64_t m_state;
};
