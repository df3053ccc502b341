#pragma once

// The selection's random numbers: reseeded from the time of day before every
// draw. The time is mixed into the generator's state rather than restarting it,
// so two draws within one clock tick still differ.
#include <QtGlobal>

namespace Randomizer {

// Does nothing in the fixed mode.
void ReseedFromClock();
// Fixed mode: the draws follow from the seed alone and the clock is left out,
// so that the same input gives the same answers.
void UseFixedSeed(quint64 seed);
// Uniform in [0, 1).
double Draw();
// Position from 1 to n (n >= 1): the whole part of n * r + 1.
qsizetype PickPosition(qsizetype n);

}  // namespace Randomizer
