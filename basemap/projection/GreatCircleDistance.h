#pragma once
// The distance between two places on a sphere of 6369.978 km, from degrees and minutes. For a
// negative angle the minutes count away from zero too (-35 degrees 30 minutes is -35.5 degrees).

struct DegreesMinutes {
    double degrees = 0;
    double minutes = 0;
};

// Radians with the old constant 3.14159.
double AngleRadians(DegreesMinutes angle);

// Kilometres; 0 for the same place twice.
double GreatCircleDistance(DegreesMinutes latitude1, DegreesMinutes longitude1, DegreesMinutes latitude2,
                           DegreesMinutes longitude2);
