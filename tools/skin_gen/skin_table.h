#pragma once
// The fifteen skins: what each should show, its mean colour, the clock text
// colour the program draws on it, and how its finish is tuned.

#include <cstdint>
#include <span>

#include "color.h"
#include "image.h"

namespace zentrova::skin_gen {

constexpr int kSkinSide = 140;
constexpr double kMeanTolerance = 3.0;  // levels per channel

struct SkinRecipe {
    int number = 0;
    const char* look = "";
    Rgb8 mean;
    Rgb8 text;
    Image (*render)(int side) = nullptr;
    double contrast = 1.0;  // factor on each pixel's distance from the mean
    double sharpen = 0.35;  // unsharp-mask amount at a radius of one pixel
    double grain = 2.0;     // film grain in 8-bit levels
};

std::span<const SkinRecipe> SkinRecipes();

}  // namespace zentrova::skin_gen
