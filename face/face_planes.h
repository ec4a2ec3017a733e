#pragma once
// The per-pixel shape and transparency of a face, computed once per face
// preparation and copied into every frame.

#include <cstdint>
#include <vector>

#include "face/geometry.h"
#include "face/skin.h"
#include "face/working_bitmap.h"

namespace zentrova {

enum class FaceShape { RoundedRect, Oval };

// Four planes of bytes indexed [y * width + x]. Bytes, not wider numbers:
// every value the fill computes lies in 0..255, and the planes of a large
// face are the biggest thing a display window keeps.
struct FacePlanes {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> alpha, red, green, blue;

    // Resizes to the face; colour planes keep what they held where they can.
    void Resize(SizeI size);
};

// The alpha multiplier 1 - T/50 of transparency T, held to 0..1 (an edited
// registry can hold any T).
double FaceOpacity(int transparency);

// D for normalised coordinates nx, ny in [-1, 1).
double FaceDistance(FaceShape shape, double nx, double ny);
// Alpha of a pixel at distance D (0 beyond the outline) with transparency T.
std::int32_t FaceAlphaAt(double distance, int transparency);

// How wide the plate is along row `y` of a face: the span, centred on the
// face, where the fade keeps at least half the opacity. Text that is to be
// read lies within it; outside, the rim fades it out.
double PlateWidthAt(FaceShape shape, SizeI face, double y);

// Clamps a computed face size to the planes' capacity (and at least 1 x 1).
SizeI ClampFaceSize(SizeI size, SizeI capacity);

// Nearest-pixel stretch of a skin over the whole of the bitmap (already sized).
void StretchSkin(const SkinImage& skin, WorkingBitmap& target);

// Fills alpha and colour planes for every pixel of the bitmap's size.
void FillFacePlanes(const WorkingBitmap& skin, FaceShape shape, int transparency, FacePlanes& planes);

// The last three steps of a face preparation: resize the working
// bitmap, stretch skin `skinNumber` into it (nothing for an unknown skin, and
// the text colour is kept), fill the planes.
void PrepareFace(const SkinSet& skins, int skinNumber, SizeI size, FaceShape shape, int transparency,
                 WorkingBitmap& working, FacePlanes& planes, Rgb& textColor);

// ARGB words (A << 24 | R << 16 | G << 8 | B), non-premultiplied, rows from the top.
void BuildFramePixels(const FacePlanes& planes, std::vector<std::uint32_t>& argb);

}  // namespace zentrova
