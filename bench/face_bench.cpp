// Face preparation runs on every setting change and the frame build once a
// second; both must stay far below the 30 ms tick at the largest clock face.

#include <benchmark/benchmark.h>

#include <cstddef>

#include "face/face_planes.h"

namespace zentrova {
namespace {

constexpr SizeI kLargestClockFace{1600, 400};

SkinSet GradientSkins() {
    SkinSet skins;
    for (SkinImage& image : skins.images) {
        image.width = kSkinSide;
        image.height = kSkinSide;
        image.bgrx.resize(static_cast<std::size_t>(kSkinSide) * kSkinSide * 4);
        for (std::size_t i = 0; i < image.bgrx.size(); ++i) image.bgrx[i] = static_cast<std::uint8_t>(i * 7);
    }
    return skins;
}

void BM_PrepareFace(benchmark::State& state) {
    const SkinSet skins = GradientSkins();
    const auto shape = state.range(0) == 0 ? FaceShape::RoundedRect : FaceShape::Oval;
    WorkingBitmap working;
    FacePlanes planes;
    Rgb text;
    for (auto _ : state) {
        PrepareFace(skins, 5, kLargestClockFace, shape, 10, working, planes, text);
        benchmark::DoNotOptimize(planes.alpha.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(shape == FaceShape::RoundedRect ? "1600x400 rounded rectangle" : "1600x400 oval");
}
BENCHMARK(BM_PrepareFace)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildFramePixels(benchmark::State& state) {
    const SkinSet skins = GradientSkins();
    WorkingBitmap working;
    FacePlanes planes;
    Rgb text;
    PrepareFace(skins, 5, kLargestClockFace, FaceShape::RoundedRect, 10, working, planes, text);
    std::vector<std::uint32_t> argb;
    for (auto _ : state) {
        BuildFramePixels(planes, argb);
        benchmark::DoNotOptimize(argb.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel("1600x400");
}
BENCHMARK(BM_BuildFramePixels)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrova
