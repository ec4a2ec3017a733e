#pragma once
// The photographic finish every skin gets after its recipe: contrast held to
// a level the clock text stays readable on, a gentle unsharp mask, film grain.

#include <cstdint>

#include "image.h"

namespace zentrova::skin_gen {

Image GaussianBlur(const Image& image, double sigma);

// Scales every pixel's distance from the image's mean colour.
void ScaleContrast(Image& image, double factor);

// in + amount * (in - blurred): crisper edges as a lens and a sharpening step give.
void UnsharpMask(Image& image, double sigma, double amount);

// Luminance grain of the given amplitude in 8-bit levels, with a faint tint.
void AddGrain(Image& image, double levels, std::uint32_t seed);

}  // namespace zentrova::skin_gen
