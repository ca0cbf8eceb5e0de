#pragma once
// A search hit's symbol: its kind from the place-name symbol table at (major, middle) and, with
// colouring by class on, its colour type from the class colour table at (middle, minor). Codes
// that lie outside a table give the plain triangle (kind 9) and colour type 0.
#include <array>
#include <cstdint>

class CVeldoranDoc;

struct NameSymbol {
    int kind;
    int colourType;
    int size; // -1: not coloured by class
};

NameSymbol SymbolOfClasses(const CVeldoranDoc& doc, const std::array<int, 3>& classes);
