#include "engine/Randomizer.h"

#include <QTime>

#include <bit>
#include <cstdint>

namespace Randomizer {

namespace {

std::uint64_t state = 0x9E3779B97F4A7C15ull;
bool fixedSeed = false;

// splitmix64: a well-mixed 64-bit step, enough for picking answers.
std::uint64_t Next()
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

void ReseedFromClock()
{
    if (fixedSeed)
        return;
    const double secondsSinceMidnight = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    state ^= std::bit_cast<std::uint64_t>(secondsSinceMidnight);
    Next();
}

void UseFixedSeed(quint64 seed)
{
    state = seed;
    fixedSeed = true;
}

double Draw()
{
    return double(Next() >> 11) * 0x1.0p-53;
}

qsizetype PickPosition(qsizetype n)
{
    const qsizetype position = qsizetype(double(n) * Draw() + 1.0);
    return qBound<qsizetype>(1, position, n);
}

}  // namespace Randomizer
