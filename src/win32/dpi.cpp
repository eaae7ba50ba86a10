#include "win32/dpi.h"

namespace meshmill::win32 {

namespace {

// Functions of Windows 10 (1607) and later, looked up at run time so that the
// program still starts on Windows 7. Going through void (*)() is the one
// function-pointer cast the compiler accepts without a warning.
template <class Function>
Function user32_function(const char* name) {
  FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using MetricsForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

UINT system_dpi() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : base_dpi;
}

}  // namespace

UINT window_dpi(HWND window) {
  static const auto get_dpi = user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
  UINT dpi = get_dpi ? get_dpi(window) : 0;
  return dpi != 0 ? dpi : system_dpi();
}

SIZE window_size_for_client(SIZE client, DWORD style, DWORD ex_style, UINT dpi) {
  static const auto adjust = user32_function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, client.cx, client.cy};
  if (adjust) {
    adjust(&rect, style, FALSE, ex_style, dpi);
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

HFONT create_message_font(UINT dpi, bool bold) {
  static const auto metrics_for_dpi =
      user32_function<MetricsForDpiFunction>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (metrics_for_dpi) {
    metrics_for_dpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  } else {
    // Older Windows give the font at the system's DPI.
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
               static_cast<int>(system_dpi()));
  }
  LOGFONTW font = metrics.lfMessageFont;
  if (bold) font.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&font);
}

}  // namespace meshmill::win32
