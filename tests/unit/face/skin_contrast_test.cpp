// Every built-in skin carries its text readably: at least 4.5 : 1 (the WCAG 2
// ratio for ordinary text) between the skin's text colour and the plate, the
// mean relative luminance of the skin the face is stretched from.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "face/bmp_image.h"
#include "face/skin.h"

namespace zentrova {
namespace {

double Linear(int level) {
    const double value = level / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(int r, int g, int b) { return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b); }

double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

std::vector<std::uint8_t> ReadSkinFile(int skin) {
    char name[32];
    std::snprintf(name, sizeof name, "/skin%02d.bmp", skin);
    std::ifstream file(std::string(ZENTROVA_SKIN_FOLDER) + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(SkinContrast, EveryCheckedInSkinGivesItsTextAtLeastFourAndAHalfToOne) {
    // The formula itself: black on white is the largest ratio there is.
    ASSERT_NEAR(Contrast(Luminance(0, 0, 0), Luminance(255, 255, 255)), 21.0, 1e-9);
    for (int skin = 1; skin <= kSkinCount; ++skin) {
        const std::vector<std::uint8_t> file = ReadSkinFile(skin);
        const auto image = DecodeBmp32(file);
        ASSERT_TRUE(image) << "skin " << skin;
        ASSERT_EQ(image->width * image->height, kSkinSide * kSkinSide) << "skin " << skin;
        double sum = 0;
        for (std::size_t i = 0; i + 3 < image->bgrx.size(); i += 4)
            sum += Luminance(image->bgrx[i + 2], image->bgrx[i + 1], image->bgrx[i]);
        const double plate = sum / (kSkinSide * kSkinSide);
        const Rgb text = *SkinTextColor(skin);
        EXPECT_GE(Contrast(Luminance(text.r, text.g, text.b), plate), 4.5) << "skin " << skin;
    }
}

}  // namespace
}  // namespace zentrova
