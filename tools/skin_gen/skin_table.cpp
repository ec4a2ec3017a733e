#include "skin_table.h"

#include <array>

#include "skin_recipes.h"

namespace zentrova::skin_gen {

namespace {

constexpr std::array<SkinRecipe, 15> kRecipes = {{
    {1, "orange-red faceted gem", {203, 58, 6}, {255, 193, 23}, RenderOrangeFacetedGem, 1.0, 0.35, 2.0},
    {2, "mottled purple amethyst", {137, 81, 140}, {84, 13, 45}, RenderMottledAmethyst, 1.0, 0.35, 2.0},
    {3, "glowing orange amber with light streaks", {212, 106, 13}, {255, 235, 0}, RenderGlowingAmber, 1.0, 0.3, 2.0},
    {4, "silver-grey sheen", {185, 185, 186}, {97, 55, 56}, RenderSilverSheen, 1.0, 0.3, 2.0},
    {5, "turquoise with a highlight", {131, 228, 242}, {255, 131, 246}, RenderTurquoise, 1.0, 0.35, 2.0},
    {6, "teal-green domed stone", {61, 116, 94}, {76, 56, 23}, RenderTealDome, 1.0, 0.35, 2.0},
    {7, "sky-blue glass sphere with window reflections", {113, 162, 169}, {0, 255, 195}, RenderGlassSphere, 1.0, 0.3, 1.5},
    {8, "orange-red stone with sparkles", {244, 115, 55}, {62, 76, 203}, RenderSparkleSunstone, 1.0, 0.35, 2.0},
    {9, "pinkish-beige quartz with inclusions", {188, 155, 143}, {84, 13, 45}, RenderQuartzWithInclusions, 1.0, 0.35, 2.0},
    {10, "pale blue-grey glass", {141, 176, 190}, {255, 255, 0}, RenderPaleGlass, 1.0, 0.3, 1.5},
    {11, "ruby red with a bright highlight", {179, 19, 23}, {255, 204, 0}, RenderRubyCabochon, 1.0, 0.3, 2.0},
    {12, "dark amber-brown", {90, 62, 27}, {35, 255, 175}, RenderDarkAmber, 1.0, 0.3, 2.0},
    {13, "gold foil flakes", {196, 134, 24}, {103, 14, 0}, RenderGoldFoil, 1.0, 0.35, 2.0},
    {14, "deep blue with highlights", {78, 94, 189}, {255, 255, 0}, RenderDeepBlueGlass, 1.0, 0.3, 2.0},
    {15, "rose-pink glass", {197, 121, 144}, {89, 41, 100}, RenderRoseGlass, 1.0, 0.3, 1.5},
}};

}  // namespace

std::span<const SkinRecipe> SkinRecipes() { return kRecipes; }

}  // namespace zentrova::skin_gen
