#pragma once
// One frame of a display window as the drawing layer renders it: the face
// pixels, then an ordered list of tiles and centred texts drawn over them.

#include <cstdint>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "face/geometry.h"

namespace zentrova {

struct FontChoice {
    std::string family;
    int emPixels = 8;
    bool bold = false;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// A square ARGB image (non-premultiplied) stretched into cells.
struct TileImage {
    int side = 0;
    std::vector<std::uint32_t> argb;
    friend bool operator==(const TileImage&, const TileImage&) = default;
};

struct DrawTile {
    int tile = 0;  // index into Frame::tiles
    RectF rect;
    friend bool operator==(const DrawTile&, const DrawTile&) = default;
};

// Text centred on both axes in its rectangle, anti-aliased, in Frame::textColor.
struct DrawText {
    int font = 0;  // index into Frame::fonts
    std::string text;  // system code page
    RectF rect;
    // Never wrapped: a line fitted beforehand (FitOnOneLine, FrameTextFitter)
    // that the drawing measures a little wider stays one line rather than
    // breaking in two.
    bool oneLine = false;
    friend bool operator==(const DrawText&, const DrawText&) = default;
};

using DrawOp = std::variant<DrawTile, DrawText>;

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height ARGB words; empty means fully transparent
    Rgb textColor;
    // The face's opacity, 1 - T/50: the texts fade with the face, so at
    // transparency 50 nothing shows and every click passes through.
    float textOpacity = 1.0f;
    std::vector<FontChoice> fonts;
    std::vector<TileImage> tiles;
    std::vector<DrawOp> ops;
    // Same content, pixel for pixel and op for op.
    friend bool operator==(const Frame&, const Frame&) = default;
};

// Every field of a frame but its pixels, as references to compare or assign
// (ShownFrame keeps the pixels as a fingerprint). A new field goes here too.
template <typename AnyFrame>
auto FieldsApartFromPixels(AnyFrame& frame) {
    return std::tie(frame.width, frame.height, frame.textColor, frame.textOpacity, frame.fonts, frame.tiles,
                    frame.ops);
}

}  // namespace zentrova
