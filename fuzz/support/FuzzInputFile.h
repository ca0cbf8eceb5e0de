#pragma once
// The input as a file of this process, for readers that open files by path: one file a target and
// extension under /tmp, rewritten for every input and removed at exit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vd::fuzz {

// Writes the bytes to /tmp/vd-<target>-<process id><extension> and returns that path.
std::string writeInputFile(std::string_view target, std::string_view extension, const std::uint8_t* data,
                           std::size_t size);

} // namespace vd::fuzz
