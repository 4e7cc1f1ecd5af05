// flare.cpp -- the flare kind: a glare sprite tested for occlusion, and its lens effect
#include "scene/flare.h"

#include <cmath>
#include <cstdio>

#include "camera/camera_director.h"
#include "data/block_reader.h"
#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/texture_catalogue.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "gl/point_occlusion.h"
#include "gl/textured_quad.h"
#include "math/random.h"
#include "scene/keyword_values.h"
#include "scene/parse_block.h"
#include "scene/parse_checks.h"
#include "scene/parsers.h"

namespace {

// A zero vector stays zero instead of turning into NaNs.
Vec3 unitOrZero(const Vec3& v) {
  const float n = length(v);
  return n > 0 ? v / n : Vec3(0, 0, 0);
}

// Offset x along the frame's y axis, y along y x x, z along x.
Vec3 anchoredPosition(const Vec3& origin, const Vec3& x, const Vec3& y, const Vec3& offset) {
  return origin + y * offset.x + cross(y, x) * offset.y + x * offset.z;
}

// The four lines after "lenseffect": the size, then the three textures
// (the tab before each keyword is a blank to the format, which may be left
// out).
void readLensBlock(BlockReader& block, Flare& flare) {
  block.consumeLine("lenseffect", 1, 4);
  float value;
  if (scanValues(block.line(), 1, "\tsize %f", &value) == 1) {
    flare.lensSize = value;
    checkRange("the lens effect's size", value, kAboveZero);
  }
  int index = 1;
  for (std::uint32_t& slot : flare.lensTextures) {
    block.consumeLine("lenseffect", ++index, 4);
    char path[kLineCapacity];
    if (scanValues(block.line(), 1, "\ttexture %127s", path) != 1) continue;
    if (const TextureEntry* entry = findNamedTexture(path, objectFileReader)) slot = entry->glTexture;
  }
}

}  // namespace

void parseFlare(ObjectList& list) { parseBlock<Flare>(list, "flare"); }

void Flare::parseLine(BlockReader& block, const ObjectList& list) {
  const char* line = block.line();
  char word[kLineCapacity];
  if (block.has("size")) {
    float value;
    if (scanValues(line, 1, "size %f", &value) == 1) {
      size = value;
      checkRange("size", value, kAboveZero);
    }
  }
  if (block.has("flash")) {
    readFloat(line, "flash %f)", flicker);
    checkRange("flash", flicker, kZeroOrMore);
  }
  if (block.has("lumin")) {
    readFloat(line, "lumin %f)", lumin);
    checkRange("lumin", lumin, kZeroOrMore);
  }
  if (block.has("focus")) {
    hasFocus = true;
    readFloat(line, "focus %f)", focusThreshold);
    checkRange("focus", focusThreshold, {-1, 1, true, false, "-1 up to (not including) 1"});
  }
  if (block.has("parent")) {
    if (secondWord(line, word)) {
      anchor = findParent(list, word);
      anchorMissing = anchor == nullptr;
    }
    readVector(line, "parent %*s V(%f %f %f)", offset, 1);
  }
  if (block.has("FOV")) {
    readFloat(line, "FOV %f", fov);
    checkRange("FOV", fov, kAboveZero);
  }
  if (block.has("alpha")) {
    float unused, in, out;
    const int n = scanValues(line, 1, "alpha %f fade: %f %f", &unused, &in, &out);
    if (n >= 2) fadeIn = in * 60.0f;
    if (n == 3) fadeOut = out * 60.0f;
    if (n >= 2) checkRange("the fade-in", in, kAboveZero);
    if (n == 3) checkRange("the fade-out", out, kAboveZero);
  }
  if (block.has("env")) {
    isEnv = true;
    readVector(line, "env V(%f %f %f)", offset, 0);
  }
  if (block.has("texture")) readTextureLine(line);
  if (block.has("position")) readVector(line, "position V(%f %f %f)", position);
  if (flagLine(block, "lenseffect")) {
    lensEffect = true;
    readLensBlock(block, *this);
    line = block.line();
  }
  if (block.has("rotation")) {
    float start, speed;
    const int n = scanValues(line, 1, "rotation %f %f", &start, &speed);
    if (n >= 1) angle = start;
    if (n == 2) angularSpeed = speed * 60.0f;
  }
  if (block.has("xy")) {
    readFloat(line, "xy %f", aspect);
    checkNotZero("xy", aspect);
  }
  if (block.has("orient")) {
    readVector(line, "orient V(%f %f %f)", orientPoint);
    hasOrient = true;
  }
}

void Flare::update(double dt) {
  for (Sight& sight : sights) {
    float& fade = sight.fade;
    if (sight.unoccluded) {
      if (fade < 1) fade += fadeIn * dt;
      if (fade > 1) fade = 1;
    } else {
      if (fade > 0) fade -= fadeOut * dt;
      if (fade < 0) fade = 0;
    }
  }

  angle += angularSpeed * dt;
  if (angle > 360) angle -= 360;
  if (angle < 0) angle += 360;

  // Each flicker cycle dims for a random part of `flicker` seconds, then
  // brightens for another; the clock runs at 6 per second.
  flickerTime += 6 * dt;
  for (Sight& sight : sights) {
    if (flickerTime < dimUntil)
      sight.fade -= 0.7 * dt;
    else if (sight.fade > 0)
      sight.fade += 0.7 * dt;
  }
  if (flickerTime > cycleEnd) {
    dimUntil = rand01() * flicker;
    cycleEnd = (rand01() * flicker + dimUntil) * 6;
    dimUntil *= 6;
    flickerTime = 0;
  }
}

void Flare::draw(CameraDirector& camera) {
  const ViewRect& view = glState.view;
  if (sights.size() <= glState.viewIndex) sights.resize(glState.viewIndex + 1);
  Sight& sight = sights[glState.viewIndex];
  const Vec3 screenCentre(float(view.width / 2), float(view.height / 2), 0);

  if (hasTexture) bindTexture(texture);
  if (isEnv) {
    position = camera.eye + offset;
    pushEyeFrustum(fov);
  }
  if (anchor)
    position = anchoredPosition(anchor->position, anchor->xAxis, anchor->yAxis, offset);
  else if (anchorMissing)
    position = anchoredPosition({0, 0, 0}, {0, 0, 1}, {1, 0, 0}, offset);

  GLdouble modelview[16], projection[16];
  for (int i = 0; i < 16; ++i) {
    modelview[i] = glState.cameraView[i];
    projection[i] = glState.projection[i];
  }
  const GLint viewport[4] = {view.x, view.y, GLint(view.width), GLint(view.height)};
  GLdouble winX = 0, winY = 0, winZ = 0;
  if (!gluProject(position.x, position.y, position.z, modelview, projection, viewport, &winX, &winY,
                  &winZ))
    winX = winY = winZ = 0;

  // Visible when nothing drawn so far this frame lies in front of the source.
  if (isEnv) winZ = 1.0;
  const Vec3 toSource = isEnv ? offset : position - camera.position;
  if (dot(normalized(toSource), camera.forward) < 0) winZ = 1000.0;
  sight.unoccluded = sight.test.visible(std::trunc(winX), std::trunc(winY), winZ, viewport);

  if (sight.fade > 0) {
    pushOverlayPixels();
    disableCap(GL_LIGHTING);
    blendFunc(GL_SRC_ALPHA, GL_ONE);
    float focus = 1;
    if (hasFocus) {
      focus = (dot(normalized(offset), camera.forward) - focusThreshold) / (1 - focusThreshold);
      if (!(focus >= 0)) focus = 0;
    }
    colour4f(1, 1, 1, focus * sight.fade * lumin);
    // From here on in the view's own pixels.
    const Vec3 source(float(winX - view.x), float(winY - view.y), 0);
    Mat4 placed = translationMatrix(source) * rotationMatrix(angle, {0, 0, 1});
    if (hasOrient)
      placed = placed * rotationMatrix(90 * dot(unitOrZero(source), unitOrZero(orientPoint - screenCentre)),
                                       {0, 0, 1});
    drawSprite(placed);
    popOverlay();
    if (lensEffect) drawLensEffect(source, screenCentre);
    enableCap(GL_LIGHTING);
  }

  loadTextureIdentity();
  if (isEnv) popEyeFrustum();
}

void Flare::drawSprite(const Mat4& placed) const {
  const float s = pictureScale() * size, a = aspect;
  loadModelview(placed);
  drawTexturedQuad({-s * a, -s, 0}, {s * a, -s, 0}, {-s * a, s, 0}, {s * a, s, 0},
                   QuadPrimitive::kQuads, placed);
}

void Flare::drawLensEffect(const Vec3& source, const Vec3& centre) const {
  const Vec3 toCentre = centre - source;
  if (length(toCentre) == 0) return;  // no line through the centre to string it on

  pushOverlayPixels();
  const float t = dot(unitOrZero(source), unitOrZero(centre));
  Vec3 sideways = normalized(source - centre);
  const Vec3 along = normalized(toCentre);
  const Vec3 s = along * 200.0f;
  const Vec3 r = cross(along, Vec3(0, 0, 1)) * 200.0f;
  const Vec3 q1 = -r - s, q2 = r - s, q3 = -r + s, q4 = r + s;

  struct Ring {
    float place, scale, red, green, blue, alpha;
    bool mirrored;
  };
  static const Ring rings[3] = {{0.1f, 2.2f, 1.0f, 0.7f, 0.5f, 0.2f, false},
                                {0.5f, 1.2f, 1.0f, 0.3f, 0.3f, 0.7f, false},
                                {1.7f, 1.8f, 0.4f, 0.3f, 0.9f, 0.15f, true}};
  bindTexture(lensTextures[2]);
  for (const Ring& ring : rings) {
    const Vec3 c = source + toCentre * ring.place;
    const float m = ring.mirrored ? -1.0f : 1.0f;
    const Vec3 flip(m, m, 1);
    const Mat4 placed = translationMatrix(c) * scaleMatrix({ring.scale, ring.scale, 1});
    loadModelview(placed);
    colour4f(ring.red, ring.green, ring.blue, ring.alpha);
    drawTexturedQuad({q1.x * flip.x, q1.y * flip.y, q1.z}, {q2.x * flip.x, q2.y * flip.y, q2.z},
                     {q3.x * flip.x, q3.y * flip.y, q3.z}, {q4.x * flip.x, q4.y * flip.y, q4.z},
                     QuadPrimitive::kQuadStrip, placed);
  }

  const float elementScale = pictureScale() * lensSize;
  for (int i = 0; i < kLensElements; ++i) {
    const float p = lensPositions[i];
    rotateAboutAxis(sideways, Vec3(0, 0, 1), 90 * t * p);  // accumulates along the string
    const Vec3 c = source + toCentre * p + sideways * (2 * (2 - p));
    Mat4 placed = translationMatrix(c) * scaleMatrix({1.5f, 1.5f, 1});
    if (hasOrient) placed = placed * rotationMatrix(90 * t, {0, 0, 1});
    loadModelview(placed);
    disableCap(GL_LIGHTING);
    bindTexture(i < 20 ? lensTextures[1] : lensTextures[0]);
    colour4f(i / 30.0f + 0.3f, 0.2f, 1 - i / 10.0f, 0.79f);
    const float e = elementScale * lensScales[i];
    drawTexturedQuad({-e, -e, 0}, {e, -e, 0}, {-e, e, 0}, {e, e, 0}, QuadPrimitive::kQuads, placed);
  }
  popOverlay();
}
