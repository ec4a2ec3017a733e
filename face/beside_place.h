#pragma once
// Where a new window stands beside another on the same monitor: to its
// right, below, to its left or above it, the first of these that lies
// wholly on the monitor and clear of the other windows; else the first
// that lies on the monitor; else pushed inside it.

#include <span>

#include "face/geometry.h"

namespace zentrova {

// `gap` pixels apart from `beside`; `monitor` is the monitor `beside` is
// on, `others` the windows to keep clear of (`beside` among them or not).
PointI PlaceBeside(const RectI& beside, SizeI size, const RectI& monitor, std::span<const RectI> others, int gap);

}  // namespace zentrova
