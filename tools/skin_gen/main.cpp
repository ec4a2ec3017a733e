// Generates the fifteen built-in skins as 32-bit BMP files and a contact
// sheet of them all, then reads every file back and checks it.
//
//   skin_gen <output folder> [skin number ...]
//
// With skin numbers only those skins are written and no contact sheet. The
// exit status is non-zero when a file cannot be written or read back, or a
// skin's mean colour is more than three levels off, or its text colour
// would be lost on too much of it.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "bmp_file.h"
#include "contact_sheet.h"
#include "finishing.h"
#include "mean_fit.h"
#include "png_file.h"
#include "readability.h"
#include "skin_table.h"
#include "tone_fit.h"

namespace zentrova::skin_gen {

namespace {

constexpr double kClashDistance = 48.0;  // RGB levels: closer than this the text blurs in
constexpr double kMaxClashShare = 0.01;
constexpr int kSheetColumns = 5;

struct SkinResult {
    const SkinRecipe* recipe = nullptr;
    Pixels8 pixels;
    bool ok = false;
};

std::string SkinPath(const std::string& folder, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "/skin%02d.bmp", number);
    return folder + name;
}

// The rendered skin with the shared finish, before its mean is fitted.
Image Finish(const SkinRecipe& recipe) {
    Image image = recipe.render(kSkinSide);
    const Color raw = image.Mean();
    std::printf("skin %02d  %-46s raw mean %6.1f %6.1f %6.1f", recipe.number, recipe.look, raw.r * 255,
                raw.g * 255, raw.b * 255);
    if (recipe.contrast != 1.0) ScaleContrast(image, recipe.contrast);
    UnsharpMask(image, 1.0, recipe.sharpen);
    AddGrain(image, recipe.grain, 0xC0FFEEu + static_cast<std::uint32_t>(recipe.number));
    return image;
}

// Writes the skin, reads the file back as the program's loader would and
// checks what it holds.
SkinResult MakeSkin(const SkinRecipe& recipe, const std::string& folder) {
    // A text colour that would not stand out tones the whole skin darker
    // or lighter; its hue and texture stay.
    ToneFit toned = FitToneForText(Finish(recipe), recipe.mean, recipe.text, kReadableContrast);
    const Rgb8 target = toned.mean;
    SkinResult result{&recipe, std::move(toned.pixels), false};
    const std::string path = SkinPath(folder, recipe.number);
    if (!WriteFile(path, EncodeBmp32(result.pixels))) {
        std::printf("\n  cannot write %s\n", path.c_str());
        return result;
    }
    const auto file = ReadFile(path);
    std::string error;
    const auto decoded = file ? DecodeBmp32(*file, error) : std::nullopt;
    if (!decoded || decoded->width != kSkinSide || decoded->height != kSkinSide ||
        decoded->rgb != result.pixels.rgb) {
        std::printf("\n  %s does not read back: %s\n", path.c_str(), error.empty() ? "content differs" : error.c_str());
        return result;
    }

    const MeanColor mean = MeasureMean(*decoded);
    const bool meanOk = std::fabs(mean.r - target.r) <= kMeanTolerance &&
                        std::fabs(mean.g - target.g) <= kMeanTolerance && std::fabs(mean.b - target.b) <= kMeanTolerance;
    const double clash = TextClashShare(*decoded, recipe.text, kClashDistance);
    const double contrast = TextContrast(*decoded, recipe.text);
    const bool textOk = clash <= kMaxClashShare && contrast >= kReadableContrast;
    std::printf("  mean %6.2f %6.2f %6.2f (want %3d %3d %3d, table %3d %3d %3d)  text %5.1f away, clash %4.1f%%, "
                "contrast %5.2f:1%s%s\n",
                mean.r, mean.g, mean.b, target.r, target.g, target.b, recipe.mean.r, recipe.mean.g, recipe.mean.b,
                ColorDistance(mean, recipe.text), clash * 100, contrast, meanOk ? "" : "  MEAN OFF",
                textOk ? "" : "  TEXT UNREADABLE");
    result.ok = meanOk && textOk;
    return result;
}

int Run(const std::string& folder, const std::set<int>& only) {
    std::vector<SkinResult> results;
    bool ok = true;
    for (const SkinRecipe& recipe : SkinRecipes()) {
        if (!only.empty() && !only.contains(recipe.number)) continue;
        results.push_back(MakeSkin(recipe, folder));
        ok = ok && results.back().ok;
    }
    if (only.empty()) {
        std::vector<SheetEntry> entries;
        for (const SkinResult& r : results) entries.push_back({r.recipe->number, &r.pixels, r.recipe->text});
        const std::string path = folder + "/contact_sheet.png";
        if (!WriteFile(path, EncodePng(BuildContactSheet(entries, kSheetColumns)))) {
            std::printf("cannot write %s\n", path.c_str());
            ok = false;
        }
    }
    std::printf(ok ? "all skins ok\n" : "SOME SKINS FAILED\n");
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace

}  // namespace zentrova::skin_gen

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> [skin number ...]\n", argv[0]);
        return EXIT_FAILURE;
    }
    std::set<int> only;
    for (int i = 2; i < argc; ++i) {
        const int number = std::atoi(argv[i]);
        if (number < 1 || number > 15) {
            std::fprintf(stderr, "skin numbers run from 1 to 15, not %s\n", argv[i]);
            return EXIT_FAILURE;
        }
        only.insert(number);
    }
    return zentrova::skin_gen::Run(argv[1], only);
}
