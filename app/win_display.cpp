#include "app/win_display.h"

#include <cstdint>
#include <cstring>

#include "host/settings.h"
#include "render/gl_state.h"

namespace {

HDC gammaDevice = nullptr;
bool savedRampValid = false;
WORD savedRamp[3][256];

}  // namespace

void setDisplayMode() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  mode.dmPelsWidth = settings.Width;
  mode.dmPelsHeight = settings.Height;
  mode.dmBitsPerPel = settings.Depth;
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
  ShowCursor(FALSE);
}

void restoreDisplayMode() { ChangeDisplaySettingsA(nullptr, 0); }

bool setPixelFormat(HDC dc) {
  PIXELFORMATDESCRIPTOR format = {};
  format.nSize = sizeof format;
  format.nVersion = 1;
  format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  format.iPixelType = PFD_TYPE_RGBA;
  format.cColorBits = 32;
  format.cDepthBits = 24;
  format.cStencilBits = 8;
  format.iLayerType = PFD_MAIN_PLANE;
  int number = ChoosePixelFormat(dc, &format);
  if (number == 0) {
    number = 1;
    if (!DescribePixelFormat(dc, number, sizeof format, &format)) return false;
  }
  return SetPixelFormat(dc, number, &format) != FALSE;
}

static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "pixel format descriptor");

void setGammaDevice(HDC dc) {
  gammaDevice = dc;
  savedRampValid = false;
}

bool applyDeviceGammaRamp(const std::uint16_t* ramp) {
  if (!gammaDevice) return false;
  if (!savedRampValid) savedRampValid = GetDeviceGammaRamp(gammaDevice, savedRamp) != FALSE;
  WORD table[3][256];
  std::memcpy(table, ramp, sizeof table);
  return SetDeviceGammaRamp(gammaDevice, table) != FALSE;
}

void restoreDeviceGamma() {
  if (!gammaDevice) return;
  if (savedRampValid)
    SetDeviceGammaRamp(gammaDevice, savedRamp);
  else
    setGammaRamp(1.0f, 1.0f, 1.0f);
}
