#pragma once
// GDI+ started once before any window exists and shut down at exit.

#include <windows.h>

namespace zentrova::platform {

class GdiplusSession {
public:
    GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession();
    bool Started() const { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};

}  // namespace zentrova::platform
