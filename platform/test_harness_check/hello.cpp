// Throwaway program that exercises the end-to-end harness: a visible window,
// registry writes, mouse and key input recorded to the registry, a tray icon.
#include <windows.h>
#include <shellapi.h>
#include <gdiplus.h>
#include <string>

namespace {
constexpr char kKey[] = "Software\\E2EHarnessCheck";
constexpr UINT kTrayMessage = WM_USER + 1;

void PutDword(const char* name, DWORD value) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}
void PutString(const char* name, const std::string& value) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), value.size() + 1);
  RegCloseKey(key);
}
void PutBinary(const char* name, const void* data, DWORD size) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}
DWORD GetDword(const char* name, DWORD fallback) {
  DWORD value = fallback, size = sizeof value, type = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_DWORD, &type, &value, &size) != ERROR_SUCCESS) return fallback;
  return value;
}

struct State {
  DWORD clicks = 0, rightClicks = 0, moves = 0, trayDoubleClicks = 0;
  std::string typed;
  NOTIFYICONDATAA tray{};
};
State g;

void ShowTrayMenu(HWND hwnd) {
  POINT at;
  GetCursorPos(&at);
  PutDword("MenuAtX", at.x);
  PutDword("MenuAtY", at.y);
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "Settings");
  AppendMenuA(menu, MF_STRING, 2, "Close");
  SetForegroundWindow(hwnd);
  const int choice = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
  PostMessageA(hwnd, WM_NULL, 0, 0);
  DestroyMenu(menu);
  PutDword("MenuChoice", choice);
  if (choice == 2) DestroyWindow(hwnd);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT rc;
      GetClientRect(hwnd, &rc);
      HBRUSH brush = CreateSolidBrush(RGB(20, 140, 220));
      FillRect(dc, &rc, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      g.moves = 0;
      PutDword("DownX", LOWORD(lp));
      PutDword("DownY", HIWORD(lp));
      return 0;
    case WM_MOUSEMOVE:
      if (wp & MK_LBUTTON) PutDword("Moves", ++g.moves);
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      PutDword("UpX", LOWORD(lp));
      PutDword("UpY", HIWORD(lp));
      PutDword("Clicks", ++g.clicks);
      return 0;
    case WM_RBUTTONUP:
      PutDword("RightClicks", ++g.rightClicks);
      return 0;
    case WM_CHAR:
      if (wp >= 32 && wp < 127) {
        g.typed.push_back(static_cast<char>(wp));
        PutString("Typed", g.typed);
      }
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_ESCAPE) DestroyWindow(hwnd);
      if (wp == VK_F2) Shell_NotifyIconA(NIM_DELETE, &g.tray);
      if (wp == VK_F3) Shell_NotifyIconA(NIM_ADD, &g.tray);
      return 0;
    case kTrayMessage:
      PutDword("TrayMessage", static_cast<DWORD>(lp));
      if (lp == WM_LBUTTONDBLCLK) PutDword("TrayDoubleClicks", ++g.trayDoubleClicks);
      if (lp == WM_RBUTTONUP) ShowTrayMenu(hwnd);
      return 0;
    case WM_DESTROY:
      Shell_NotifyIconA(NIM_DELETE, &g.tray);
      PostQuitMessage(3);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK LayeredProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_LBUTTONUP) {
    PutDword("LayeredClickX", LOWORD(lp));
    PutDword("LayeredClickY", HIWORD(lp));
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// A 100 x 100 per-pixel-alpha window: a transparent 10-pixel rim, an opaque left
// half and a half-transparent right half, so that screenshots show how layered
// windows come out on this display.
void CreateLayeredWindow(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = LayeredProc;
  wc.hInstance = instance;
  wc.lpszClassName = "E2EHarnessLayered";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "E2E Layered",
                              WS_POPUP, 500, 100, 100, 100, nullptr, nullptr, instance, nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 100;
  info.bmiHeader.biHeight = -100;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      DWORD argb = 0;
      if (x >= 10 && x < 90 && y >= 10 && y < 90) argb = x < 50 ? 0xFFC82828u : 0x80641414u;
      pixels[y * 100 + x] = argb;
    }
  }
  POINT origin{500, 100};
  SIZE size{100, 100};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(hwnd, screen, &origin, &size, memory, &source, 0, &blend, ULW_ALPHA);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
}

void RecordFontLookups() {
  const wchar_t* families[] = {L"Tahoma", L"Arial", L"Times New Roman", L"Courier New"};
  const char* names[] = {"FontTahoma", "FontArial", "FontTimesNewRoman", "FontCourierNew"};
  for (int i = 0; i < 4; ++i) {
    Gdiplus::GpFontFamily* family = nullptr;
    Gdiplus::GpStatus status = Gdiplus::DllExports::GdipCreateFontFamilyFromName(families[i], nullptr, &family);
    if (family) Gdiplus::DllExports::GdipDeleteFontFamily(family);
    PutDword(names[i], static_cast<DWORD>(status));
  }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int) {
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  RecordFontLookups();

  std::string caption = (cmdLine && *cmdLine) ? cmdLine : "";
  if (caption.size() >= 2 && caption.front() == '"' && caption.back() == '"') caption = caption.substr(1, caption.size() - 2);
  const bool first = caption.empty();
  if (first) caption = "E2E Harness Check";
  PutDword("AnsiCodePage", GetACP());
  PutDword("UserLocale", GetUserDefaultLCID());
  PutDword("Started", 6);
  PutString("Face", "Tahoma");
  const double stamp = 46388.0;
  PutBinary("Stamp", &stamp, sizeof stamp);
  PutDword("SeedEcho", GetDword("Seed", 0) * 2);

  WNDCLASSA wc{};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "E2EHarnessCheck";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, caption.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              100, 120, 300, 200, nullptr, nullptr, instance, nullptr);
  RECT rc;
  GetWindowRect(hwnd, &rc);
  PutDword("WinLeft", rc.left);
  PutDword("WinTop", rc.top);
  PutDword("WinWidth", rc.right - rc.left);
  PutDword("WinHeight", rc.bottom - rc.top);
  GetClientRect(hwnd, &rc);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  PutDword("ClientLeft", origin.x);
  PutDword("ClientTop", origin.y);

  if (first) CreateLayeredWindow(instance);

  g.tray.cbSize = sizeof g.tray;
  g.tray.hWnd = hwnd;
  g.tray.uID = 1;
  g.tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  g.tray.uCallbackMessage = kTrayMessage;
  g.tray.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  lstrcpynA(g.tray.szTip, "E2E Tray", sizeof g.tray.szTip);
  Shell_NotifyIconA(NIM_ADD, &g.tray);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  Gdiplus::GdiplusShutdown(token);
  return static_cast<int>(msg.wParam);
}
