// The face a display window should show, computed from the program's own core,
// for the end-to-end tests that compare it with a screenshot.
//
//   zentrova_face_expect face SKIN.bmp W H rect|oval TRANSPARENCY BACKGROUND OUT.ppm
//       Writes the W x H image that the screen shows for that face with no text:
//       where the face's alpha is 0 the window is cut out and the background
//       shows (BACKGROUND is R,G,B or a W x H PPM of what lies beneath);
//       elsewhere the layered window, with no compositor, shows its
//       premultiplied colour, i.e. the face blended over black.
//   zentrova_face_expect alpha SKIN.bmp W H rect|oval TRANSPARENCY X Y
//       Prints the face's alpha at pixel (X, Y).
//   zentrova_face_expect compare EXPECTED.ppm ACTUAL.ppm TOLERANCE X,Y,W,H...
//       Compares the two images inside the rectangles, channel by channel.
//       Prints what it checked and the worst pixel; exit 1 when a channel of
//       any pixel differs by more than TOLERANCE (or nothing was checked).
//   zentrova_face_expect count IMAGE.ppm R,G,B TOLERANCE X,Y,W,H...
//       Prints how many pixels inside the rectangles lie within TOLERANCE of
//       R,G,B on every channel (a pixel in two rectangles counts twice).
//   zentrova_face_expect extent IMAGE.ppm R,G,B TOLERANCE X,Y,W,H
//       Prints "X0 Y0 X1 Y1", the smallest box (inclusive, in image
//       coordinates) holding every pixel of the rectangle within TOLERANCE of
//       R,G,B, or "none" when there is no such pixel: where text in that
//       colour was drawn.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "face/bmp_image.h"
#include "face/face_planes.h"
#include "face/skin.h"
#include "face/working_bitmap.h"

namespace {

using zentrova::FacePlanes;
using zentrova::FaceShape;
using zentrova::SizeI;

// Skin number under which the loaded image is handed to the core.
constexpr int kSkinSlot = 1;

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    const std::uint8_t* At(int x, int y) const { return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3; }
};

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "face_expect: " << message << "\n";
    std::exit(2);
}

int ParseInt(const std::string& text, const char* what) {
    try {
        std::size_t used = 0;
        int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    Fail(std::string("bad ") + what + ": '" + text + "'");
}

// "a,b,c" or "a,b,c,d" as integers.
std::vector<int> ParseList(const std::string& text, std::size_t count, const char* what) {
    std::vector<int> values;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, ',')) values.push_back(ParseInt(part, what));
    if (values.size() != count) Fail(std::string("bad ") + what + ": '" + text + "'");
    return values;
}

FaceShape ParseShape(const std::string& text) {
    if (text == "rect") return FaceShape::RoundedRect;
    if (text == "oval") return FaceShape::Oval;
    Fail("shape must be rect or oval, not '" + text + "'");
}

// The face planes exactly as a window's face preparation fills them.
FacePlanes PlanesFor(const std::string& skinPath, SizeI size, FaceShape shape, int transparency) {
    std::ifstream file(skinPath, std::ios::binary);
    if (!file) Fail("cannot read " + skinPath);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::optional<zentrova::SkinImage> image = zentrova::DecodeBmp32(bytes);
    if (!image) Fail(skinPath + " is not a 32-bit BMP");
    if (size.width <= 0 || size.height <= 0) Fail("the face size must be positive");

    zentrova::SkinSet skins;
    skins.images[kSkinSlot - 1] = std::move(*image);
    zentrova::WorkingBitmap working;
    FacePlanes planes;
    zentrova::Rgb textColor;
    zentrova::PrepareFace(skins, kSkinSlot, size, shape, transparency, working, planes, textColor);
    return planes;
}

// What a person sees of one face pixel on a screen without a compositor.
std::uint8_t Shown(std::uint32_t argb, int shift) {
    const std::uint32_t alpha = argb >> 24;
    const std::uint32_t channel = (argb >> shift) & 0xFF;
    return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
}

Image ExpectedScreen(const FacePlanes& planes, const Image& background) {
    std::vector<std::uint32_t> argb;
    zentrova::BuildFramePixels(planes, argb);
    Image image{planes.width, planes.height, std::vector<std::uint8_t>(argb.size() * 3)};
    for (std::size_t i = 0; i < argb.size(); ++i) {
        const std::uint32_t pixel = argb[i];
        std::uint8_t* out = image.rgb.data() + i * 3;
        if ((pixel >> 24) == 0) {
            std::copy_n(background.rgb.data() + i * 3, 3, out);
        } else {
            out[0] = Shown(pixel, 16);
            out[1] = Shown(pixel, 8);
            out[2] = Shown(pixel, 0);
        }
    }
    return image;
}

void WritePpm(const Image& image, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width << " " << image.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
    if (!out) Fail("cannot write " + path);
}

// Skips blanks and comments between the header fields of a netpbm file.
int ReadHeaderNumber(std::istream& in) {
    in >> std::ws;
    while (in.peek() == '#') {
        std::string comment;
        std::getline(in, comment);
        in >> std::ws;
    }
    int value = -1;
    in >> value;
    return value;
}

Image ReadPpm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("cannot read " + path);
    std::string magic;
    in >> magic;
    Image image;
    image.width = ReadHeaderNumber(in);
    image.height = ReadHeaderNumber(in);
    const int maxValue = ReadHeaderNumber(in);
    if (magic != "P6" || image.width <= 0 || image.height <= 0 || maxValue != 255)
        Fail(path + " is not an 8-bit binary PPM");
    in.get();  // the single blank after the header
    image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    in.read(reinterpret_cast<char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
    if (!in) Fail(path + " is cut short");
    return image;
}

std::string Rgb(const std::uint8_t* pixel) {
    return std::to_string(pixel[0]) + "," + std::to_string(pixel[1]) + "," + std::to_string(pixel[2]);
}

// A W x H background: one colour "R,G,B", or a PPM of that size.
Image Background(const std::string& text, SizeI size) {
    if (text.find(',') == std::string::npos) {
        Image image = ReadPpm(text);
        if (image.width != size.width || image.height != size.height) Fail("the background is not the face's size");
        return image;
    }
    const std::vector<int> color = ParseList(text, 3, "background");
    Image image{size.width, size.height, {}};
    for (int i = 0; i < size.width * size.height; ++i)
        for (int c : color) image.rgb.push_back(static_cast<std::uint8_t>(c));
    return image;
}

int RunFace(const std::vector<std::string>& args) {
    if (args.size() != 7) Fail("face SKIN.bmp W H rect|oval TRANSPARENCY BACKGROUND OUT.ppm");
    const SizeI size{ParseInt(args[1], "width"), ParseInt(args[2], "height")};
    const FacePlanes planes = PlanesFor(args[0], size, ParseShape(args[3]), ParseInt(args[4], "transparency"));
    WritePpm(ExpectedScreen(planes, Background(args[5], size)), args[6]);
    return 0;
}

int RunAlpha(const std::vector<std::string>& args) {
    if (args.size() != 7) Fail("alpha SKIN.bmp W H rect|oval TRANSPARENCY X Y");
    const SizeI size{ParseInt(args[1], "width"), ParseInt(args[2], "height")};
    const FacePlanes planes = PlanesFor(args[0], size, ParseShape(args[3]), ParseInt(args[4], "transparency"));
    const int x = ParseInt(args[5], "x");
    const int y = ParseInt(args[6], "y");
    if (x < 0 || y < 0 || x >= size.width || y >= size.height) Fail("pixel outside the face");
    std::cout << (planes.alpha[static_cast<std::size_t>(y) * size.width + x] & 0xFF) << "\n";
    return 0;
}

int RunCompare(const std::vector<std::string>& args) {
    if (args.size() < 4) Fail("compare EXPECTED.ppm ACTUAL.ppm TOLERANCE X,Y,W,H...");
    const Image expected = ReadPpm(args[0]);
    const Image actual = ReadPpm(args[1]);
    if (expected.width != actual.width || expected.height != actual.height)
        Fail("sizes differ: expected " + std::to_string(expected.width) + "x" + std::to_string(expected.height) +
             ", actual " + std::to_string(actual.width) + "x" + std::to_string(actual.height));
    const int tolerance = ParseInt(args[2], "tolerance");

    long checked = 0;
    long outside = 0;
    int worst = -1;
    int worstX = 0;
    int worstY = 0;
    for (std::size_t i = 3; i < args.size(); ++i) {
        const std::vector<int> rect = ParseList(args[i], 4, "rectangle");
        const int x0 = std::max(rect[0], 0);
        const int y0 = std::max(rect[1], 0);
        const int x1 = std::min(rect[0] + rect[2], expected.width);
        const int y1 = std::min(rect[1] + rect[3], expected.height);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const std::uint8_t* want = expected.At(x, y);
                const std::uint8_t* got = actual.At(x, y);
                int difference = 0;
                for (int c = 0; c < 3; ++c) difference = std::max(difference, std::abs(want[c] - got[c]));
                ++checked;
                if (difference > tolerance) ++outside;
                if (difference > worst) {
                    worst = difference;
                    worstX = x;
                    worstY = y;
                }
            }
        }
    }
    if (checked == 0) {
        std::cout << "no pixel inside the rectangles\n";
        return 1;
    }
    std::cout << "checked " << checked << " pixels, " << outside << " differ by more than " << tolerance
              << "; worst " << worst << " at " << worstX << "," << worstY << ": expected "
              << Rgb(expected.At(worstX, worstY)) << ", got " << Rgb(actual.At(worstX, worstY)) << "\n";
    return outside == 0 ? 0 : 1;
}

int RunCount(const std::vector<std::string>& args) {
    if (args.size() < 4) Fail("count IMAGE.ppm R,G,B TOLERANCE X,Y,W,H...");
    const Image image = ReadPpm(args[0]);
    const std::vector<int> color = ParseList(args[1], 3, "colour");
    const int tolerance = ParseInt(args[2], "tolerance");
    long count = 0;
    for (std::size_t i = 3; i < args.size(); ++i) {
        const std::vector<int> rect = ParseList(args[i], 4, "rectangle");
        for (int y = std::max(rect[1], 0); y < std::min(rect[1] + rect[3], image.height); ++y) {
            for (int x = std::max(rect[0], 0); x < std::min(rect[0] + rect[2], image.width); ++x) {
                const std::uint8_t* pixel = image.At(x, y);
                bool near = true;
                for (int c = 0; c < 3; ++c) near = near && std::abs(pixel[c] - color[c]) <= tolerance;
                if (near) ++count;
            }
        }
    }
    std::cout << count << "\n";
    return 0;
}

int RunExtent(const std::vector<std::string>& args) {
    if (args.size() != 4) Fail("extent IMAGE.ppm R,G,B TOLERANCE X,Y,W,H");
    const Image image = ReadPpm(args[0]);
    const std::vector<int> color = ParseList(args[1], 3, "colour");
    const int tolerance = ParseInt(args[2], "tolerance");
    const std::vector<int> rect = ParseList(args[3], 4, "rectangle");
    int x0 = image.width;
    int y0 = image.height;
    int x1 = -1;
    int y1 = -1;
    for (int y = std::max(rect[1], 0); y < std::min(rect[1] + rect[3], image.height); ++y) {
        for (int x = std::max(rect[0], 0); x < std::min(rect[0] + rect[2], image.width); ++x) {
            const std::uint8_t* pixel = image.At(x, y);
            bool near = true;
            for (int c = 0; c < 3; ++c) near = near && std::abs(pixel[c] - color[c]) <= tolerance;
            if (!near) continue;
            x0 = std::min(x0, x);
            y0 = std::min(y0, y);
            x1 = std::max(x1, x);
            y1 = std::max(y1, y);
        }
    }
    if (x1 < 0) {
        std::cout << "none\n";
    } else {
        std::cout << x0 << " " << y0 << " " << x1 << " " << y1 << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) Fail("usage: face | alpha | compare | count | extent ...");
    const std::string mode = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (mode == "face") return RunFace(args);
    if (mode == "alpha") return RunAlpha(args);
    if (mode == "compare") return RunCompare(args);
    if (mode == "count") return RunCount(args);
    if (mode == "extent") return RunExtent(args);
    Fail("unknown mode '" + mode + "'");
}
