#pragma once

namespace ostrak {

// a * b / c computed in 64 bits and rounded to the nearest integer, halves
// away from zero. A zero divisor or a result outside 32 bits gives -1, as the
// drawing code this serves has always been given.
int MulDiv(int a, int b, int c);

}  // namespace ostrak
