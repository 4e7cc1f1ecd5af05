// win_display.cpp -- the display side of the saver run: display mode, pixel format, gamma ramp
#include "app/win_display.h"

#include <cstdint>
#include <cstring>

#include "app/gamma_keeper.h"
#include "gl/gl_state.h"
#include "host/settings.h"

namespace {

class DeviceContextGamma : public GammaDevice {
 public:
  HDC dc = nullptr;
  bool readRamp(std::uint16_t* ramp) override {
    WORD table[3][256];
    if (!GetDeviceGammaRamp(dc, table)) return false;
    std::memcpy(ramp, table, sizeof table);
    return true;
  }
  bool writeRamp(const std::uint16_t* ramp) override {
    WORD table[3][256];
    std::memcpy(table, ramp, sizeof table);
    return SetDeviceGammaRamp(dc, table) != FALSE;
  }
};

DeviceContextGamma gammaDevice;
GammaKeeper gammaKeeper;

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
  gammaDevice.dc = dc;
  gammaKeeper.attach(dc ? &gammaDevice : nullptr);
}

bool applyDeviceGammaRamp(const std::uint16_t* ramp) { return gammaKeeper.apply(ramp); }

// A ramp that could not be read before the change is replaced by a linear one.
void restoreDeviceGamma() {
  if (!gammaDevice.dc) return;
  if (!gammaKeeper.restore()) setGammaRamp(1.0f, 1.0f, 1.0f);
}
