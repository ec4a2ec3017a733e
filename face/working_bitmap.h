#pragma once
// A 24-bit working bitmap: rows from the top, three bytes per pixel in the
// order blue, green, red, rows packed without padding.

#include <cstdint>
#include <vector>

#include "face/geometry.h"

namespace zentrova {

struct WorkingBitmap {
    int width = 1;
    int height = 1;
    std::vector<std::uint8_t> bgr = std::vector<std::uint8_t>(3, 0);

    // Keeps whatever bytes the buffer already holds where it can.
    void Resize(SizeI size);
    const std::uint8_t* Row(int y) const { return bgr.data() + static_cast<std::size_t>(y) * width * 3; }
    std::uint8_t* Row(int y) { return bgr.data() + static_cast<std::size_t>(y) * width * 3; }
};

// The two working bitmaps shared by the display windows, made at start-up.
struct WorkingBitmaps {
    WorkingBitmap skin;  // SkinBitmap
    WorkingBitmap cell;  // CellBitmap
};

}  // namespace zentrova
