#pragma once
// The input as a file of this process, for readers that open files by path: one file a target and
// extension in the run's scratch folder (FuzzScratch.h), rewritten for every input and removed
// with that folder, also when the run ends in a crash or a timeout.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vd::fuzz {

// Writes the bytes to <scratch folder>/input/<target><extension> and returns that path.
std::string writeInputFile(std::string_view target, std::string_view extension, const std::uint8_t* data,
                           std::size_t size);

} // namespace vd::fuzz
