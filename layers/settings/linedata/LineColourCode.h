#pragma once
// How a line-data row packs its colour, attribute and option into one colour code:
//   ColourOnly    code = colour index (a hundreds digit read in is dropped)
//   KeepHundreds  code = colour index + 100 x the hundreds read in (rows without attributes)
//   Attribute     code = colour index + 100 x attribute
//   CodeBox       code = colour index + 100 x the "ｺｰﾄﾞ" box
//   RoadMode      code = the colour mode (0 by road class, 1 black)
//   RailMode      code = 10 x colour mode (0 by line class, 1 brown) + the station box
//   River         code = colour index (0 to 9) + 10 x river class + 100 x the bed-height box
// Codes come from the program as any int; packing saturates instead of overflowing.

enum class LineCodeForm { ColourOnly, KeepHundreds, Attribute, CodeBox, RoadMode, RailMode, River };

struct LineColourParts {
    int index = 0;     // into the 22 line colours
    int attribute = 0; // the radio group's value (attribute, colour mode or river class)
    int option = 0;    // the row's box
};

LineColourParts SplitColourCode(LineCodeForm form, int code);
int PackColourCode(LineCodeForm form, const LineColourParts& parts);
// The colour indexes a row can hold: 10 for the river row, else the 22 line colours.
int ColourIndexLimit(LineCodeForm form);
