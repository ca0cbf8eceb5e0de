#pragma once
// Chosen operations as gtest shows them: Name(arg, "text", ...).
#include "layers/render/LayerOperation.h"

#include <ostream>

inline void PrintTo(const LayerCall& call, std::ostream* os)
{
    *os << LayerOpName(call.op) << "(";
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        *os << (i ? ", " : "");
        if (const int* n = std::get_if<int>(&call.args[i]))
            *os << *n;
        else
            *os << '"' << std::get<std::string>(call.args[i]) << '"';
    }
    *os << ")";
}
