#pragma once
// Decoding a JPEG file into the rows of a 24-bit device-independent bitmap: bottom-up, each pixel
// blue, green, red, each row padded to a multiple of 4 bytes. The one decoder of the document's
// picture pages and of Surrick's picture window and preview.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

struct DecodedJpeg {
    int width = 0;
    int height = 0;
    int stride = 0;                 // bytes a stored row: (3 x width + 3) rounded down to 4
    std::vector<std::uint8_t> bits; // stride x height bytes; the image's top row is stored last
};

// Decodes the whole file from its current position. Colour and greyscale pictures come out as
// colour; CMYK pictures, damaged files and pictures of more than 24 megapixels give nothing. A
// premature end of the data is a warning only: the rows up to where it ended come out as the
// decoder fills them, the rows after it repeat the last of those.
std::optional<DecodedJpeg> DecodeJpeg(std::FILE* file);
