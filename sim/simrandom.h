#pragma once

#include <random>

#include <QtGlobal>

// The simulator's only source of chance: the same seed gives the same choices on every platform
// (mt19937's sequence is fixed by the standard; the distributions are our own).
class SimRandom
{
public:
    explicit SimRandom(quint32 seed) : m_engine(seed) {}

    // True with probability p; draws nothing when p is 0.
    bool chance(double p)
    {
        if (p <= 0.0)
            return false;
        return unit() < p;
    }

    // A whole number from low to high, both included.
    int between(int low, int high)
    {
        if (high <= low)
            return low;
        return low + int(m_engine() % quint32(high - low + 1));
    }

private:
    double unit()
    {
        constexpr double kRange = 4294967296.0; // 2^32
        return double(m_engine()) / kRange;
    }

    std::mt19937 m_engine;
};
