// flame.cpp -- the flame kind: a glowing elliptical ring with soft bands
#include "scene/flame.h"

#include <cmath>
#include <cstdio>

#include "data/block_reader.h"
#include "data/line_rules.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "scene/keyword_values.h"
#include "scene/parse_block.h"
#include "scene/parse_checks.h"
#include "scene/parsers.h"

void parseFlame(ObjectList& list) { parseBlock<Flame>(list, "flame"); }

void Flame::parseLine(const BlockReader& block, const ObjectList& list) {
  const char* line = block.line();
  char word[kLineCapacity];
  if (block.has("texture")) readTextureLine(line);
  if (block.has("size")) {
    float value;
    if (scanValues(line, 1, "size %f", &value) == 1) ringRadius = value + 2000.0f;
  }
  if (block.has("angle")) readFloat(line, "angle %f", slope);
  if (block.has("ell")) {
    readFloat(line, "ell %f", ellipticity);
    checkNotZero("ell", ellipticity);
  }
  if (block.has("offset")) readFloat(line, "offset %f", bandWidth);
  if (block.has("orient")) readVector(line, "orient V(%f %f %f)", ringCentre);
  if (block.has("colorfrom") && readVector(line, "colorfrom V(%f %f %f)", colourFrom))
    checkColour("colorfrom", colourFrom);
  if (block.has("colorto") && readVector(line, "colorto V(%f %f %f)", colourTo))
    checkColour("colorto", colourTo);
  if (block.has("parent")) {
    checkLine(line, 1, "parent %s");
    if (secondWord(line, word)) anchor = findParent(list, word);
  }
}

Vec3 Flame::ringPoint(int k, float radius) const {
  const float theta = float(k) / 200.0f * 6.2831855f;
  const float x = std::cos(theta) * radius * ellipticity + ringCentre.x;
  const float z = std::sin(theta) * radius + ringCentre.z;
  const float y = (std::cos(theta) * ringRadius * ellipticity + ringCentre.x) * slope + ringCentre.y;
  return {x, y, z};
}

void Flame::draw(CameraDirector&) {
  colour4f(1, 1, 1, 1);
  disableCap(GL_TEXTURE_2D);
  disableCap(GL_LIGHTING);
  depthWrites(false);
  // The bands add light whatever the object drawn before left behind.
  enableCap(GL_BLEND);
  blendFunc(GL_SRC_ALPHA, GL_ONE);

  const float w = bandWidth;
  glBegin(GL_QUAD_STRIP);
  for (int band = 0; band < 4; ++band) {
    for (int k = 0; k < kRingPoints; ++k) {
      const Vec3 p = ringPoint(k, ringRadius);
      Vec3 edge = p;
      if (band == 0) edge.y += w;
      if (band == 1) edge.y -= w;
      if (band == 2) edge = ringPoint(k, ringRadius - w);
      if (band == 3) edge = ringPoint(k, ringRadius + w);
      colour4f(colourFrom.x, colourFrom.y, colourFrom.z, 1);
      glVertex3f(p.x, p.y, p.z);
      colour4f(colourTo.x, colourTo.y, colourTo.z, 0);
      glVertex3f(edge.x, edge.y, edge.z);
    }
  }
  glEnd();
  disableCap(GL_BLEND);

  colour4f(colourFrom.x, colourFrom.y, colourFrom.z, 1);
  glBegin(GL_LINE_STRIP);
  for (int k = 0; k < kRingPoints; ++k) {
    const Vec3 p = ringPoint(k, ringRadius);
    glVertex3f(p.x, p.y, p.z);
  }
  glEnd();

  enableCap(GL_BLEND);
  enableCap(GL_TEXTURE_2D);
  enableCap(GL_LIGHTING);
  depthWrites(true);
}

void Flame::update(double) {}
