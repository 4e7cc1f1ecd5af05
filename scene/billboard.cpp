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
#include "scene/parsers.h"

Billboard::Billboard() : angularSpeed((1.0f - 2.0f * rand01()) * 60.0f) {}

void parseBillboard(ObjectList& list) { parseBlock<Billboard>(list); }

void Billboard::parseLine(const BlockReader& block, const ObjectList& list) {
  const char* line = block.line();
  if (hasKeyword(line, "size")) std::sscanf(line, "size %f", &size);
  if (hasKeyword(line, "rotation")) {
    float v[2] = {};
    const int n = std::sscanf(line, "rotation %f %f", &v[0], &v[1]);
    if (n >= 1) angle = v[0];
    if (n >= 2) angularSpeed = v[1] * 60.0f;
  }
  if (hasKeyword(line, "tiling")) std::sscanf(line, "tiling %f", &tiling);
  if (hasKeyword(line, "parent")) {
    char parentName[sizeof name];
    if (secondWord(line, parentName)) anchor = findByName(list, parentName);
    readVector(line, "parent %*s V(%f %f %f)", offset);
  }
  if (hasKeyword(line, "FOV")) std::sscanf(line, "FOV %f", &fov);
  if (hasKeyword(line, "alpha")) std::sscanf(line, "alpha %f", &alpha);
  if (hasKeyword(line, "orient off")) fixedOrientation = true;
  if (hasKeyword(line, "blend")) alphaBlend = true;
  if (hasKeyword(line, "depth")) noDepthTest = true;
  if (hasKeyword(line, "sys")) alignToParent = true;
  if (hasKeyword(line, "env")) {
    isEnv = true;
    readVector(line, "env V(%f %f %f)", offset);
  }
  if (hasKeyword(line, "oreol")) {
    isHalo = true;
    float v[4] = {};
    const int n = std::sscanf(line, "oreol V(%f %f %f) %f", &v[0], &v[1], &v[2], &v[3]);
    if (n >= 3) offset = Vec3(v[0], v[1], v[2]);
    if (n >= 4) haloRadius = v[3];
  }
  if (hasKeyword(line, "flash")) {
    blinking = true;
    // The data writes a closing parenthesis after the third value only.
    std::sscanf(line, "flash %f %f %f)", &blinkTime, &blinkDark, &blinkLit);
  }
  if (hasKeyword(line, "texture")) {
    char path[kLineCapacity];
    if (secondWord(line, path)) {
      assignTexture(path);
      hasTexture = true;
    }
  }
  Vec3 axis;
  if (hasKeyword(line, "up") && readVector(line, "up V(%f %f %f)", axis)) upAxis = normalized(axis);
  if (hasKeyword(line, "right") && readVector(line, "right V(%f %f %f)", axis))
    rightAxis = normalized(axis);
  if (hasKeyword(line, "position")) readVector(line, "position V(%f %f %f)", position);
  if (hasKeyword(line, "color")) readVector(line, "color V(%f %f %f)", tint);
  if (hasKeyword(line, "xy")) std::sscanf(line, "xy %f", &aspect);
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
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    loadEyeFrustum(fov);
    glMatrixMode(GL_MODELVIEW);
  }
  if (anchor) position = anchor->position + normalized(camera.up) * offset.y;
  if (!fixedOrientation) {
    // The view matrix's rows are the camera's right and up in world space.
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
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
  if (noDepthTest) glDisable(GL_DEPTH_TEST);
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
  glTranslatef(position.x, position.y, position.z);
  const Vec3 h = rightAxis * aspect;
  const Vec3 n = cross(rightAxis, upAxis);
  glRotatef(angle, n.x, n.y, n.z);
  const Vec3 c1 = s * (-h - upAxis), c2 = s * (h - upAxis);
  const Vec3 c3 = s * (-h + upAxis), c4 = s * (h + upAxis);

  if (hasTexture) glBindTexture(GL_TEXTURE_2D, texture);
  glDisable(GL_LIGHTING);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glDepthMask(GL_FALSE);
  if (isHalo) glDisable(GL_DEPTH_TEST);
  if (alphaBlend) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_ALWAYS, 0.0f);
  }
  if (anchor)
    glColor4f(tint.x, tint.y, tint.z, alpha + rand01() * 0.3f);
  else
    glColor4f(1.0f, 1.0f, 1.0f, alpha);
  const bool hidden = blinking && blinkTime < blinkDark;
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glScalef(tiling, tiling, 1.0f);
  glMatrixMode(GL_MODELVIEW);
  if (!hidden) drawTexturedQuad(c1, c2, c3, c4, QuadPrimitive::kQuadStrip);

  glDepthMask(GL_TRUE);
  glEnable(GL_LIGHTING);
  if (isHalo || noDepthTest) glEnable(GL_DEPTH_TEST);
  if (alphaBlend) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glAlphaFunc(GL_ALWAYS, 0.0f);
  }
  if (isEnv) {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
  }
  glPopMatrix();
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
}
