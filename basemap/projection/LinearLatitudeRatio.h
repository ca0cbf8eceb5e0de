#pragma once
// The ratio of the lengths of a degree of latitude and of longitude as a straight line in the
// latitude (1.408 at 45 degrees north, 0.01555 less a degree southward), for callers that want it
// without building the table. The two forms differ only in the width their constants were stored
// in; each caller uses the one it always used.

// latitude in 1/10000 degree (whole or not); constants stored as single-precision values.
double LinearLatitudeRatioSingle(double latitude);
// The same with the slope stored as a double.
double LinearLatitudeRatioDouble(double latitude);
