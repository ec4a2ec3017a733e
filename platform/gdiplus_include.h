#pragma once
// GDI+ needs the COM declarations that a lean windows.h leaves out.

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
