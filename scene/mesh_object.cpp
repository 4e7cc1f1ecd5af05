// mesh_object.cpp -- the mesh kind: a triangle mesh placed, turned and scaled
#include "scene/mesh_object.h"

#include <cstdio>

#include "data/block_reader.h"
#include "data/line_rules.h"
#include "data/load_report.h"
#include "data/mesh_lists.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "math/mat4.h"
#include "scene/keyword_values.h"
#include "scene/parse_block.h"
#include "scene/parse_checks.h"
#include "scene/parsers.h"

namespace {

// The four fixed lines after "material": metal, chrome, the texture map and
// a second map that is read and ignored. The last of them stays current.
void readMaterial(BlockReader& block, MeshObject& mesh) {
  block.consumeLine("material", 1, 4);
  mesh.metal = hasTabbedKeyword(block, "\tmetal");
  block.consumeLine("material", 2, 4);
  mesh.chrome = hasTabbedKeyword(block, "\tchrome");
  block.consumeLine("material", 3, 4);
  char path[kLineCapacity];
  if (hasTabbedKeyword(block, "\tmap1")) {
    checkLine(block.line(), 1, "\tmap1 %s");
    if (secondWord(block.line(), path)) {
      mesh.assignTexture(path);
      mesh.hasTexture = true;
    }
  }
  block.consumeLine("material", 4, 4);
}

}  // namespace

void parseMesh(ObjectList& list) { parseBlock<MeshObject>(list, "mesh"); }

void MeshObject::beginBlock(const BlockReader& block) {
  char word[kLineCapacity];
  if (block.beginHasName() && secondWord(block.line(), word)) setName(word);
  displayList = geometryList.displayList;
  if (displayList == 0)
    reportAtLine(ProblemLevel::kWarning, block.file(),
                 "no 'geometry' line above: this mesh has nothing to draw");
}

void MeshObject::parseLine(BlockReader& block, const ObjectList&) {
  const char* line = block.line();
  if (block.has("orient")) {
    Vec3 axis;
    float angle;
    const int n = scanValues(line, 3, "orient V(%f %f %f) %f", &axis.x, &axis.y, &axis.z, &angle);
    if (n >= 3) orientAxis = axis;
    if (n == 4) orientAngle = angle;
  }
  if (block.has("position")) readVector(line, "position V(%f %f %f)", position);
  if (block.has("look")) readVector(line, "look V(%f %f %f)", xAxis);
  if (block.has("right")) readVector(line, "right V(%f %f %f)", yAxis);
  if (flagLine(block, "material")) {
    readMaterial(block, *this);
    line = block.line();
  }
  if (block.has("scale")) {
    readFloat(line, "scale %f", scale);
    checkRange("scale", scale, kAboveZero);
  }
  if (block.has("speed")) readFloat(line, "speed %f", speed);
  for (const auto& [keyword, flag] :
       {std::pair<const char*, bool*>{"light", &light}, {"illum", &illum}, {"invup", &invup},
        {"blend", &blend}})
    if (flagLine(block, keyword)) *flag = true;
  if (block.has("tiling")) readFloat(line, "tiling %f", tiling);
  if (block.has("color") && readVector(line, "color V(%f %f %f)", colour)) checkColour("color", colour);
}

void MeshObject::draw(CameraDirector&) {
  glPushMatrix();
  glTranslatef(position.x, position.y, position.z);
  disableCap(GL_ALPHA_TEST);
  disableCap(GL_BLEND);
  enableCap(GL_CULL_FACE);

  // Columns xAxis, yAxis and their cross product: local x goes to xAxis.
  const Mat4 basis = basisMatrix(xAxis, cross(xAxis, yAxis), yAxis);
  glMultMatrixf(basis.data());
  glRotatef(orientAngle, orientAxis.x, orientAxis.y, orientAxis.z);
  glScalef(scale, scale, scale);

  colour3f(1, 1, 1);
  enableCap(GL_TEXTURE_2D);
  if (hasTexture) bindTexture(texture);
  depthWrites(false);
  textureEnvMode(light ? GL_ADD : GL_MODULATE);
  if (illum) disableCap(GL_LIGHTING);
  if (metal) {
    disableCap(GL_COLOR_MATERIAL);
    const float specular[4] = {0.4f, 0.4f, 0.4f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 19.6f);
    enableCap(GL_LIGHT0);
  }
  if (blend) {
    enableCap(GL_ALPHA_TEST);
    enableCap(GL_BLEND);
    blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    disableCap(GL_CULL_FACE);
    colour4f(1, 1, 1, colour.x);
  }

  glCallList(displayList);

  depthWrites(true);
  // Textures of later objects multiply their lit colour again.
  if (light) textureEnvMode(GL_MODULATE);
  if (metal) disableCap(GL_LIGHT0);
  enableCap(GL_ALPHA_TEST);
  enableCap(GL_BLEND);
  enableCap(GL_LIGHTING);
  disableCap(GL_TEXTURE_GEN_S);
  disableCap(GL_TEXTURE_GEN_T);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  disableCap(GL_FOG);
  disableCap(GL_CULL_FACE);
  glPopMatrix();
}

void MeshObject::update(double) {}
