#!/usr/bin/env bash
# Developer check of the end-to-end harness (not a CTest test): builds a small
# throwaway Windows program into the work folder and drives every helper of
# lib.sh against it. Run: bash tests/e2e/selfcheck.sh [--fresh]
#   --fresh  rebuild the cached pristine Wine prefix first (times a first set-up)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"

work="${ZENTROVA_E2E_WORK:-/tmp/zentrova-e2e-$(id -u)}"
if [[ "${1:-}" == --fresh ]]; then
  rm -rf "$work/.template-prefix"
fi

# --- the throwaway program --------------------------------------------------
build="$work/.selfcheck-program"
mkdir -p "$build"
cat >"$build/hello.cpp" <<'CPP'
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
CPP
command -v i686-w64-mingw32-g++ >/dev/null || { echo "FAIL: i686-w64-mingw32-g++ not installed" >&2; exit 1; }
if [[ ! -f "$build/hello.exe" || "$build/hello.cpp" -nt "$build/hello.exe" ]]; then
  i686-w64-mingw32-g++ -O1 -Wall -static -mwindows "$build/hello.cpp" -o "$build/hello.exe" -lgdiplus -lshell32
fi
hello="$build/hello.exe"
key='HKCU\Software\E2EHarnessCheck'

# --- set-up -----------------------------------------------------------------
setup_started=$(_e2e_now)
e2e_setup selfcheck
echo "setup took $(_e2e_elapsed_since "$setup_started") s"
prefix=$E2E_PREFIX
xvfb_pid=$E2E_XVFB_PID
display_num=$E2E_DISPLAY_NUM
[[ "$DISPLAY" == ":$display_num" && "$WINEPREFIX" == "$prefix" ]] || e2e_fail "DISPLAY/WINEPREFIX not exported"
[[ -d "$prefix/drive_c/windows" ]] || e2e_fail "no prefix at $prefix"
ls "$prefix/drive_c/windows/Fonts/"tahoma.ttf "$prefix/drive_c/windows/Fonts/"LiberationSans-Regular.ttf >/dev/null ||
  e2e_fail "fonts missing from the prefix"

# --- registry seeding round trips (before the program runs) ------------------
e2e_reg_add "$key" Seed REG_DWORD 21
e2e_reg_add "$key" Negative REG_DWORD -20
e2e_reg_add "$key" Hex REG_DWORD 0x1f
e2e_reg_add "$key" Spaced REG_SZ "Times New Roman"
e2e_reg_add "$key" Empty REG_SZ ""
e2e_reg_add "$key" Bytes REG_BINARY "01 02 0a ff"
e2e_expect_eq "$(e2e_reg_query "$key" Seed)" "REG_DWORD 0x15" "seeded DWORD"
e2e_expect_eq "$(e2e_reg_dword "$key" Negative)" "-20" "negative DWORD"
e2e_expect_eq "$(e2e_reg_dword "$key" hex)" "31" "hex DWORD, value name in other case"
e2e_expect_eq "$(e2e_reg_query "$key" Spaced)" "REG_SZ Times New Roman" "string with spaces"
e2e_expect_eq "$(e2e_reg_data "$key" Empty)" "" "empty string"
e2e_expect_eq "$(e2e_reg_query "$key" Bytes)" "REG_BINARY 01020AFF" "binary"
if e2e_reg_query "$key" NoSuchValue >/dev/null; then e2e_fail "a missing value was found"; fi
e2e_reg_key_exists "$key" || e2e_fail "seeded key not found"
if e2e_reg_key_exists 'HKCU\Software\E2EHarnessNoSuchKey'; then e2e_fail "a missing key was found"; fi
e2e_reg_delete "$key" Negative
if e2e_reg_query "$key" Negative >/dev/null; then e2e_fail "deleted value still there"; fi

# --- start, window by caption, geometry --------------------------------------
e2e_start_exe "$hello"
first_pid=$E2E_PID
started=$(_e2e_now)
win=$(e2e_wait_window "E2E Harness Check" 30)
echo "first window after $(_e2e_elapsed_since "$started") s"
if e2e_window_visible "E2E HARNESS CHECK"; then e2e_fail "caption matched without regard to case"; fi
if e2e_window_visible "E2E Harness"; then e2e_fail "a part of the caption matched"; fi
e2e_expect_eq "$(e2e_window_geometry "$win")" "100 120 300 200" "window geometry (the Windows window rectangle)"
e2e_process_running || e2e_fail "program not running"

# --- registry written by the program -----------------------------------------
e2e_expect_eq "$(e2e_reg_query "$key" Started)" "REG_DWORD 0x6" "DWORD written by the program"
e2e_expect_eq "$(e2e_reg_query "$key" Face)" "REG_SZ Tahoma" "string written by the program"
e2e_expect_eq "$(e2e_reg_query "$key" Stamp)" "REG_BINARY 0000000080A6E640" "binary written by the program"
e2e_expect_eq "$(e2e_reg_dword "$key" SeedEcho)" "42" "program read the seeded value"
for font in Tahoma Arial TimesNewRoman CourierNew; do
  e2e_expect_eq "$(e2e_reg_dword "$key" "Font$font")" "0" "GDI+ status for font family $font"
done
echo "program sees code page $(e2e_reg_dword "$key" AnsiCodePage), locale $(printf '0x%04x' "$(e2e_reg_dword "$key" UserLocale)")"
client_left=$(e2e_reg_dword "$key" ClientLeft)
client_top=$(e2e_reg_dword "$key" ClientTop)

# --- screenshots and pixels ----------------------------------------------------
sleep 0.5
shot=$(e2e_screenshot start.png)
[[ "$shot" == "$E2E_DIR/start.png" && -s "$shot" ]] || e2e_fail "screenshot not written to the test folder"
e2e_expect_eq "$(e2e_pixel start.png 250 230)" "20 140 220" "client area colour"
e2e_expect_eq "$(e2e_pixel start.png 520 150)" "200 40 40" "opaque half of the layered window"
e2e_expect_eq "$(e2e_pixel start.png 560 150)" "100 20 20" "half-transparent half (premultiplied, as over black)"
e2e_expect_eq "$(e2e_pixel start.png 505 150)" "0 0 0" "transparent rim shows the black root"
e2e_color_near "$(e2e_pixel start.png 250 230)" "22 138 221" 3 || e2e_fail "e2e_color_near rejects a close colour"
if e2e_color_near "20 140 220" "20 140 230" 3; then e2e_fail "e2e_color_near accepts a far colour"; fi
e2e_screenshot window.png "$win" >/dev/null
e2e_expect_eq "$(identify -format '%w %h' "$E2E_DIR/window.png")" "300 200" "window screenshot size"
e2e_expect_eq "$(e2e_pixel window.png 150 110)" "20 140 220" "window screenshot content"

# --- mouse and keyboard --------------------------------------------------------
e2e_click 200 200
e2e_expect_eq "$(e2e_reg_dword "$key" Clicks)" "1" "clicks"
e2e_expect_eq "$(e2e_reg_dword "$key" DownX) $(e2e_reg_dword "$key" DownY)" \
  "$((200 - client_left)) $((200 - client_top))" "click position in the client area"
e2e_click 210 210 3
e2e_expect_eq "$(e2e_reg_dword "$key" RightClicks)" "1" "right clicks"
e2e_drag 150 200 300 260 10
e2e_expect_eq "$(e2e_reg_dword "$key" DownX) $(e2e_reg_dword "$key" DownY)" \
  "$((150 - client_left)) $((200 - client_top))" "drag start"
e2e_expect_eq "$(e2e_reg_dword "$key" UpX) $(e2e_reg_dword "$key" UpY)" \
  "$((300 - client_left)) $((260 - client_top))" "drag end"
moves=$(e2e_reg_dword "$key" Moves)
((moves >= 5)) || e2e_fail "drag came as only $moves moves"
e2e_focus "$win"
e2e_type "abc xyz"
e2e_expect_eq "$(e2e_reg_query "$key" Typed)" "REG_SZ abc xyz" "typed text"

# --- tray ----------------------------------------------------------------------
e2e_wait_tray 10 >/dev/null
e2e_tray_click 1
e2e_expect_eq "$(e2e_reg_dword "$key" TrayMessage)" "514" "tray left click (WM_LBUTTONUP)"
e2e_tray_double_click 0
e2e_expect_eq "$(e2e_reg_dword "$key" TrayDoubleClicks)" "1" "tray double click (WM_LBUTTONDBLCLK)"
read -r tray_x tray_y <<<"$(e2e_tray_icon_xy)"
e2e_tray_click 3
menu=$(e2e_wait_menu 5)
read -r _ menu_x menu_y _ _ <<<"$menu"
e2e_expect_eq "$menu_x $menu_y" "$tray_x $tray_y" "tray menu opens at the cursor"
e2e_expect_eq "$(e2e_reg_dword "$key" MenuAtX) $(e2e_reg_dword "$key" MenuAtY)" "$tray_x $tray_y" "cursor seen by the program"
read -r item_x item_y <<<"$(e2e_menu_item_xy "${menu#* }" 0 2)"
e2e_click "$item_x" "$item_y"
e2e_expect_eq "$(e2e_reg_dword "$key" MenuChoice)" "1" "first menu item chosen"
e2e_tray_click 3
e2e_wait_menu 5 >/dev/null
e2e_click 900 700
sleep 0.3
if e2e_list_windows | awk 'NF == 6 && $6 == "yes"' | grep -q .; then e2e_fail "menu still open after a click elsewhere"; fi
e2e_expect_eq "$(e2e_reg_dword "$key" MenuChoice)" "0" "menu closed without a choice"
e2e_focus "$win"
e2e_key F2
e2e_wait_tray_gone 5
e2e_key F3
e2e_wait_tray 5 >/dev/null

# --- a second copy, process counts, the close box, exit codes -----------------
e2e_start_exe "$hello" "E2E Harness Second"
second_pid=$E2E_PID
second=$(e2e_wait_window "E2E Harness Second" 30)
e2e_expect_eq "$(e2e_count_processes hello.exe)" "2" "copies running"
e2e_expect_eq "$(e2e_count_processes HELLO.EXE)" "2" "copies running, name in other case"
e2e_expect_eq "$(e2e_count_processes zentrova.exe)" "0" "copies of a program not started"
read -r x y w _ <<<"$(e2e_window_geometry "$second")"
e2e_click "$((x + w - 15))" "$((y + 12))"
closing=$(_e2e_now)
e2e_wait_exit 20 || e2e_fail "second copy did not end after its close box was clicked"
echo "second copy ended $(_e2e_elapsed_since "$closing") s after its close box was clicked"
e2e_expect_eq "$E2E_EXIT_CODE" "3" "exit code of the second copy"
e2e_expect_eq "$(e2e_count_processes hello.exe)" "1" "copies running after one ended"
e2e_process_running "$first_pid" || e2e_fail "first copy ended too"
if e2e_process_running "$second_pid"; then e2e_fail "second copy still reported running"; fi
e2e_focus "$win"
e2e_key Escape
e2e_wait_exit 20 "$first_pid" || e2e_fail "first copy did not end on Escape"
e2e_expect_eq "$E2E_EXIT_CODE" "3" "exit code of the first copy"
e2e_expect_eq "$(e2e_count_processes hello.exe)" "0" "copies running after both ended"
e2e_wait_window_gone "E2E Harness Check" 5

# --- clean-up ends exactly what the test started -------------------------------
test_dir=$E2E_DIR
e2e_cleanup
[[ -z "$(e2e_prefix_processes "$prefix")" ]] || e2e_fail "processes of the prefix still run: $(e2e_prefix_processes "$prefix")"
if [[ -e "/proc/$xvfb_pid" ]] && _e2e_is_xvfb_of "$xvfb_pid" "$display_num"; then e2e_fail "Xvfb still runs"; fi
[[ ! -e "/tmp/.X$display_num-lock" ]] || e2e_fail "display lock /tmp/.X$display_num-lock left behind"
[[ ! -e "$prefix" ]] || e2e_fail "prefix not removed"
grep -q 'E2EHarnessCheck' "$test_dir/user.reg" || e2e_fail "registry copy not kept in the test folder"
[[ -s "$test_dir/start.png" ]] || e2e_fail "screenshots not kept"
echo "selfcheck: every helper works"
echo "PASS [selfcheck]"
