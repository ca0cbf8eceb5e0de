#pragma once
// Coordinate texts of registered points, sheet corners and frame bounds (D.MMSS: whole degrees,
// a point, two digits of minutes and two of seconds, as 34.4130) and whole seconds of arc.
#include <string>
#include <string_view>

// 34.4130 -> 124890. Each part is read with the leading-digits rule (no digits read as 0); the
// minutes are the first two characters after the point, the seconds the next two. A minus sign
// before the degrees makes the whole value negative ("-35.3000" is -127800).
int DmsToSeconds(std::string_view text);

// The same in 1/10000 degree: 34.4130 -> 124890 x 10000 / 3600 (about 346916.7).
double DmsToTenThousandthDegrees(std::string_view text);

// Degrees and minutes written as one number (D.MM, 35.41 is 35 degrees 41 minutes), as the
// overview labels and the statistics chart points store them, in 1/10000 degree: the whole
// degrees plus the fraction times 1.6666666 (the minutes over 60, not rounded to whole minutes).
double DegreesMinutesToTenThousandthDegrees(double value);

// 1/10000 degree as a D.MMSS number (35.4012 for 35 degrees 40 minutes 12 seconds), in two
// rules that different read-outs keep. WholeSeconds: the seconds truncated to whole ones, worked
// out on the magnitude with the sign put back (351234.5 -> 35.0724, -351234.5 -> -35.0724).
double TenThousandthDegreesToDmsWholeSeconds(double value);
// FractionalSeconds: the fraction of a second kept in the last places (351234.5 -> 35.072442),
// degrees truncated toward zero and the rest worked out on the signed value.
double TenThousandthDegreesToDmsFractionalSeconds(double value);

// 124890 -> "34.4130"; a negative value gets a leading minus sign before the whole text.
std::string SecondsToDms(int seconds);
