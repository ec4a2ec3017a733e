#pragma once
// One render function per skin: a picture of the stone before the shared
// finish (contrast, sharpening, grain, mean fit). Each takes the side length.

#include "image.h"

namespace zentrova::skin_gen {

// Cut and polished gems (recipes_gems.cpp).
Image RenderOrangeFacetedGem(int side);     // skin 1
Image RenderRubyCabochon(int side);         // skin 11
Image RenderDeepBlueGlass(int side);        // skin 14

// Crystalline stones (recipes_crystal.cpp).
Image RenderMottledAmethyst(int side);      // skin 2
Image RenderSparkleSunstone(int side);      // skin 8
Image RenderQuartzWithInclusions(int side); // skin 9

// Opaque polished stones and metal (recipes_opaque.cpp).
Image RenderSilverSheen(int side);          // skin 4
Image RenderTurquoise(int side);            // skin 5
Image RenderTealDome(int side);             // skin 6
Image RenderGoldFoil(int side);             // skin 13

// Amber and glass (recipes_glass.cpp).
Image RenderGlowingAmber(int side);         // skin 3
Image RenderGlassSphere(int side);          // skin 7
Image RenderPaleGlass(int side);            // skin 10
Image RenderDarkAmber(int side);            // skin 12
Image RenderRoseGlass(int side);            // skin 15

}  // namespace zentrova::skin_gen
