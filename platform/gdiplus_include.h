#pragma once
// GDI+ needs the COM declarations that a lean windows.h leaves out, and (with
// NOMINMAX, under MSVC) min and max in its own namespace.

#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus

#include <gdiplus.h>
