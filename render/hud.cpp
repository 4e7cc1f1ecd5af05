// hud.cpp -- the glyph font, the clock, the FPS counter and the loading screen
#include "render/hud.h"

#include <cstdio>

#include "data/load_report.h"
#include "data/texture_catalogue.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "host/settings.h"

std::uint32_t glyphTexture = 0;
std::uint32_t glyphLists = 0;

namespace {

constexpr int kGlyphCount = 13;
constexpr char kFirstGlyph = '0';
constexpr char kLastGlyph = '<';
constexpr float kGlyphSize = 40.0f;
constexpr float kGlyphAdvance = 0.7f * kGlyphSize;

// One quad of the glyph image's 4 x 4 grid, read from the top row down.
void compileGlyph(int n) {
  const float cell = 0.25f;
  const float s0 = float(n % 4) / 4.0f;
  const float t0 = float(n / 4) / 4.0f;
  glBegin(GL_QUADS);
  glTexCoord2f(s0, 1 - t0 - cell);
  glVertex2f(0, 0);
  glTexCoord2f(s0 + cell, 1 - t0 - cell);
  glVertex2f(kGlyphSize, 0);
  glTexCoord2f(s0 + cell, 1 - t0);
  glVertex2f(kGlyphSize, kGlyphSize);
  glTexCoord2f(s0, 1 - t0);
  glVertex2f(0, kGlyphSize);
  glEnd();
  glTranslatef(kGlyphAdvance, 0, 0);
}

// A textured quad centred at (x, y), t = 1 at its top.
void centredQuad(float x, float y, float halfWidth, float halfHeight) {
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(x - halfWidth, y - halfHeight);
  glTexCoord2f(1, 0);
  glVertex2f(x + halfWidth, y - halfHeight);
  glTexCoord2f(1, 1);
  glVertex2f(x + halfWidth, y + halfHeight);
  glTexCoord2f(0, 1);
  glVertex2f(x - halfWidth, y + halfHeight);
  glEnd();
}

void appendTwoDigits(std::string& text, int value, const char* separator) {
  char part[32];
  std::snprintf(part, sizeof part, value < 10 ? "0%d%s" : "%d%s", value, separator);
  text += part;
}

}  // namespace

void buildGlyphFont() {
  const TextureEntry* entry = findTexture(textureCatalogue, "textures\\c.jpg");
  glyphTexture = entry ? entry->glTexture : 0;
  if (!entry)
    reportProblem(ProblemLevel::kWarning, "texture.txt", 0,
                  "c.jpg is not listed: the clock and the frame counter show blank boxes");
  glyphLists = glGenLists(kGlyphCount);
  bindTexture(glyphTexture);
  if (!glyphLists) return;
  for (int n = 0; n < kGlyphCount; ++n) {
    glNewList(glyphLists + GLuint(n), GL_COMPILE);
    compileGlyph(n);
    glEndList();
  }
}

void deleteGlyphFont() {
  if (glyphLists) glDeleteLists(glyphLists, kGlyphCount);
  glyphLists = 0;
  glyphTexture = 0;
}

void drawGlyphText(int x, int y, const char* text) {
  if (!glyphLists || !text) return;
  // Only the font's own characters: any other byte would call whatever
  // display list happens to sit at that offset.
  std::string glyphs;
  for (const char* c = text; *c; ++c)
    if (*c >= kFirstGlyph && *c <= kLastGlyph) glyphs += *c;
  glTranslatef(float(x), float(y), 0);
  glListBase(glyphLists - GLuint(kFirstGlyph));
  glCallLists(GLsizei(glyphs.size()), GL_BYTE, glyphs.data());
}

void drawFps(std::uint32_t count) {
  glLoadIdentity();
  enableCap(GL_TEXTURE_2D);
  enableCap(GL_BLEND);
  colour4f(1, 1, 1, 1);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  bindTexture(glyphTexture);
  char text[16];
  std::snprintf(text, sizeof text, "%u", unsigned(count));
  drawGlyphText(4, 558, text);
}

std::string clockText(const LocalTime& time, bool twelveHour) {
  int hours = time.hours;
  bool afternoon = hours == 12;
  if (twelveHour) {
    if (hours == 0) {
      hours = 12;
    } else if (hours > 12) {
      hours -= 12;
      afternoon = true;
    }
  }
  std::string text;
  appendTwoDigits(text, hours, ":");
  appendTwoDigits(text, time.minutes, ":");
  appendTwoDigits(text, time.seconds, "");
  if (twelveHour) text += afternoon ? "<" : ";";
  return text;
}

void drawClock() {
  pushOverlay800x600(OverlayAnchor::kBottomRight);
  glLoadIdentity();
  enableCap(GL_TEXTURE_2D);
  enableCap(GL_BLEND);
  enableCap(GL_ALPHA_TEST);
  glAlphaFunc(GL_ALWAYS, 0);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  const std::string text = clockText(host().localTime(), settings.TimeFormat);
  bindTexture(glyphTexture);
  colour4f(1, 1, 1, 1);
  enableCap(GL_BLEND);
  drawGlyphText(525, 2, text.c_str());
  popOverlay();
}

void drawLoadingScreen() {
  enableCap(GL_TEXTURE_2D);
  bindTexture(signImage.glTexture);
  pushOverlay800x600(OverlayAnchor::kCentre);
  colour4f(1, 1, 1, 1);
  centredQuad(400, 350, 110, 110);
  bindTexture(loadingImage.glTexture);
  centredQuad(400, 140, 100, 100);
  popOverlay();
}
