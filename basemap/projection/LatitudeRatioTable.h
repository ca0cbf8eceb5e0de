#pragma once
// The ratio of the length of one degree of latitude to that of one degree of longitude, by whole
// degree of latitude, as the latitude-band projection uses it. Every copy of the table (the
// document's, each drawing call's) is built by the one rule here and is bit for bit the same.

inline constexpr int kLatitudeRatioFirstDegree = 15;
inline constexpr int kLatitudeRatioLastDegree = 70;
inline constexpr int kLatitudeRatioTableSize = kLatitudeRatioLastDegree + 1;

// Fills entries 15..70 of the caller's table; entries 0..14 are left as they are (callers keep
// their tables zero-initialised).
void BuildLatitudeRatioTable(float (&table)[kLatitudeRatioTableSize]);

// The entry of a whole degree, the degree clamped to 15..70 so that no unwritten entry is read.
float LatitudeRatioAt(const float (&table)[kLatitudeRatioTableSize], int degree);
