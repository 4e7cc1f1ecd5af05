// billboard.cpp -- the billboard kind: a textured quad facing the camera, a halo, a sky element
#include "scene/billboard.h"

#include <cstdio>

#include "camera/camera_director.h"
#include "data/block_reader.h"
#include "data/data_file.h"
#include "data/line_rules.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "gl/textured_quad.h"
#include "math/random.h"
#include "scene/keyword_values.h"
#include "scene/parse_block.h"
#include "scene/parse_checks.h"
#include "scene/parsers.h"

Billboard::Billboard() : angularSpeed((1.0f - 2.0f * rand01()) * 60.0f) {}

void parseBillboard(ObjectList& list) { parseBlock<Billboard>(list, "billboard"); }

void Billboard::parseLine(const BlockReader& block, const ObjectList& list) {
  const char* line = block.line();
  if (block.has("size") && scanValues(line, 1, "size %f", &size) == 1)
    checkRange("size", size, kAboveZero);
  if (block.has("rotation")) {
    float v[2] = {};
    const int n = scanValues(line, 1, "rotation %f %f", &v[0], &v[1]);
    if (n >= 1) angle = v[0];
    if (n >= 2) angularSpeed = v[1] * 60.0f;
  }
  if (block.has("tiling") && scanValues(line, 1, "tiling %f", &tiling) == 1)
    checkNotZero("tiling", tiling);
  if (block.has("parent")) {
    char parentName[sizeof name];
    if (secondWord(line, parentName)) anchor = findParent(list, parentName);
    readVector(line, "parent %*s V(%f %f %f)", offset, 1);
  }
  if (block.has("FOV") && scanValues(line, 1, "FOV %f", &fov) == 1) checkRange("FOV", fov, kAboveZero);
  if (block.has("alpha") && scanValues(line, 1, "alpha %f", &alpha) == 1)
    checkRange("alpha", alpha, kZeroToOne);
  if (flagLine(block, "orient off")) fixedOrientation = true;
  if (flagLine(block, "blend")) alphaBlend = true;
  if (flagLine(block, "depth")) noDepthTest = true;
  if (flagLine(block, "sys")) alignToParent = true;
  if (block.has("env")) {
    isEnv = true;
    readVector(line, "env V(%f %f %f)", offset, 0);
  }
  if (block.has("oreol")) {
    isHalo = true;
    float v[4] = {};
    const int n = scanValues(line, 3, "oreol V(%f %f %f) %f", &v[0], &v[1], &v[2], &v[3]);
    if (n >= 3) offset = Vec3(v[0], v[1], v[2]);
    if (n >= 4) haloRadius = v[3];
  }
  if (block.has("flash")) {
    blinking = true;
    // The data writes a closing parenthesis after the third value only.
    if (scanValues(line, 3, "flash %f %f %f)", &blinkTime, &blinkDark, &blinkLit) == 3) {
      checkRange("flash's dark time", blinkDark, kZeroOrMore);
      checkRange("flash's lit time", blinkLit, kZeroOrMore);
    }
  }
  if (block.has("texture")) readTextureLine(line);
  Vec3 axis;
  if (block.has("up") && readVector(line, "up V(%f %f %f)", axis)) upAxis = normalized(axis);
  if (block.has("right") && readVector(line, "right V(%f %f %f)", axis))
    rightAxis = normalized(axis);
  if (block.has("position")) readVector(line, "position V(%f %f %f)", position);
  if (block.has("color") && readVector(line, "color V(%f %f %f)", tint)) checkColour("color", tint);
  if (block.has("xy") && scanValues(line, 1, "xy %f", &aspect) == 1) checkNotZero("xy", aspect);
}

void Billboard::update(double elapsedSeconds) {
  const float dt = float(elapsedSeconds);
  angle += angularSpeed * dt;
  if (angle > 360.0f) angle -= 360.0f;
  if (angle < 0.0f) angle += 360.0f;
  blinkTime += dt;
  if (blinkTime > blinkDark + blinkLit) blinkTime -= blinkDark + blinkLit;
}

void Billboard::draw(CameraDirector& camera) {
  float s = size;
  glPushMatrix();
  if (isEnv) {
    position = camera.eye + offset;
    pushEyeFrustum(fov);
  }
  if (anchor) position = anchor->position + normalized(camera.up) * offset.y;
  if (!fixedOrientation) {
    // The view matrix's rows are the camera's right and up in world space.
    const Mat4& m = glState.cameraView;
    rightAxis = Vec3(m[0], m[4], m[8]);
    upAxis = Vec3(m[1], m[5], m[9]);
  }
  if (isHalo) {
    // The quad lies in the plane of the sphere's silhouette.
    const Vec3 toCamera = camera.position - offset;
    const float d = length(toCamera);
    if (d > 0.0f) {
      const float k = haloRadius / d;
      position = offset + normalized(toCamera) * (k * haloRadius);
      rightAxis = normalized(cross(toCamera, camera.up));
      upAxis = normalized(cross(rightAxis, toCamera));
      s = (1.0f - k * k) * haloRadius + k * size;
    }
  }
  if (noDepthTest) disableCap(GL_DEPTH_TEST);
  // Without a found anchor there is no direction to line up with.
  if (alignToParent && anchor && length(anchor->position) > 0.0f) {
    const Vec3 yUp(0, 1, 0);
    if (!fixedOrientation) {
      upAxis = normalized(anchor->position);
      rightAxis = normalized(cross(yUp, upAxis));
    } else {
      upAxis = yUp;
      rightAxis = normalized(cross(yUp, anchor->position));
    }
  }
  const Vec3 h = rightAxis * aspect;
  const Vec3 n = cross(rightAxis, upAxis);
  const Mat4 placed =
      glState.cameraView * translationMatrix(position) * rotationMatrix(angle, n);
  loadModelview(placed);
  const Vec3 c1 = s * (-h - upAxis), c2 = s * (h - upAxis);
  const Vec3 c3 = s * (-h + upAxis), c4 = s * (h + upAxis);

  if (hasTexture) bindTexture(texture);
  disableCap(GL_LIGHTING);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  depthWrites(false);
  if (isHalo) disableCap(GL_DEPTH_TEST);
  if (alphaBlend) {
    blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_ALWAYS, 0.0f);
  }
  if (anchor)
    colour4f(tint.x, tint.y, tint.z, alpha + rand01() * 0.3f);
  else
    colour4f(1.0f, 1.0f, 1.0f, alpha);
  const bool hidden = blinking && blinkTime < blinkDark;
  loadTextureIdentity();
  if (tiling != 1.0f) {
    glMatrixMode(GL_TEXTURE);
    glScalef(tiling, tiling, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    textureMatrixChanged();
  }
  if (!hidden) drawTexturedQuad(c1, c2, c3, c4, QuadPrimitive::kQuadStrip, placed);

  depthWrites(true);
  enableCap(GL_LIGHTING);
  if (isHalo || noDepthTest) enableCap(GL_DEPTH_TEST);
  if (alphaBlend) {
    blendFunc(GL_SRC_ALPHA, GL_ONE);
    glAlphaFunc(GL_ALWAYS, 0.0f);
  }
  if (isEnv) popEyeFrustum();
  glPopMatrix();
  loadTextureIdentity();
}
