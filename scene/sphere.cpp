// sphere.cpp -- the sphere kind: planets, moons, shells and atmospheres
#include "scene/sphere.h"

#include <cmath>
#include <cstdio>

#include "camera/camera_director.h"
#include "data/block_reader.h"
#include "data/data_file.h"
#include "data/line_rules.h"
#include "data/mesh_lists.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "math/random.h"
#include "scene/keyword_values.h"
#include "scene/parse_block.h"
#include "scene/parse_checks.h"
#include "scene/parsers.h"

SphereParseState sphereParseState;

namespace {

const GLfloat kSpecularColour[4] = {1.0f, 1.0f, 0.8f, 1.0f};
const GLfloat kBlackSpecular[4] = {0.0f, 0.0f, 0.0f, 0.0f};

// A zero vector stays zero instead of turning into NaNs.
Vec3 directionOrZero(const Vec3& v) {
  const float l = length(v);
  return l > 0.0f ? v / l : Vec3(0.0f);
}

}  // namespace

void resetSphereParseState() { sphereParseState = SphereParseState(); }

Sphere::Sphere() : moonAngle(rand01() * 350.0f), texOffsetU(rand01()), texOffsetV(rand01()) {}

Vec3 Sphere::parentPosition() const { return parent ? parent->position : Vec3(0.0f); }

void parseSphere(ObjectList& list) { parseBlock<Sphere>(list, "sphere"); }

void Sphere::beginBlock(const BlockReader& block) {
  displayList = sphereList.displayList;
  alphaTexture = sphereParseState.carriedAlphaTexture;
  if (block.beginHasName()) {
    char beginName[sizeof name];
    if (secondWord(block.line(), beginName)) setName(beginName);
  }
}

void Sphere::parseLine(const BlockReader& block, const ObjectList& list) {
  const char* line = block.line();
  SphereParseState& carried = sphereParseState;
  if (block.has("radius") && scanValues(line, 1, "radius %f", &radius) == 1)
    checkRange("radius", radius, kAboveZero);
  if (block.has("FOV") && scanValues(line, 1, "FOV %f", &fov) == 1) checkRange("FOV", fov, kAboveZero);
  if (block.has("alpha") && scanValues(line, 1, "alpha %f", &alpha) == 1)
    checkRange("alpha", alpha, kZeroToOne);
  if (block.has("tiling") && scanValues(line, 1, "tiling %f", &tiling) == 1)
    checkNotZero("tiling", tiling);
  if (block.has("detiling")) scanValues(line, 1, "detiling %f", &detiling);
  if (block.has("period") && scanValues(line, 1, "period %f", &period) == 1)
    checkNotZero("period", period);
  auto flag = [&](const char* keyword, bool& field) {
    if (flagLine(block, keyword)) field = true;
  };
  if (flagLine(block, "env")) {
    isEnv = true;
    spinSpeed = 0.0f;
    displayList = envList.displayList;
  }
  if (flagLine(block, "geo")) displayList = sphereList.displayList;
  flag("light", isLight);
  flag("specular", specular);
  flag("depth", depthWritesOff);
  flag("wire", scan);
  flag("sys", relativeToParent);
  if (flagLine(block, "noised")) displayList = noisedSphereList.displayList;
  flag("uranmoon", uranMoon);
  flag("plt", inclinedOrbit);
  flag("mask", maskOnly);
  if (flagLine(block, "list")) displayList = geometryList.displayList;
  if (flagLine(block, "moon")) {
    isMoon = true;
    moonSpeed = 2.0f * carried.moonScale;
    carried.moonScale *= 0.75f;
  }
  if (flagLine(block, "orbit")) followsOrbit = false;
  flag("rnd", randomFlash);
  if (flagLine(block, "atmo")) {
    hasAtmosphere = true;
    alphaTexture = false;
    displayList = atmosphereList;
  }
  if (flagLine(block, "scatter")) {
    hasAtmosphere = true;
    alphaTexture = true;
    displayList = scatterList;
  }
  if (flagLine(block, "flash")) {
    flash = true;
    flashPeriod = 0.5f;
    flashOn = carried.flashPhase <= 0.4f;
    flashTime = flashOn ? carried.flashPhase : carried.flashPhase - 0.5f;
    carried.flashPhase += 0.25f;
  }
  if (block.has("texture") && readTextureLine(line)) carried.carriedAlphaTexture = alphaTexture;
  if (block.has("rotation")) {
    float v[5] = {};
    const int n = scanValues(line, 3, "rotation V(%f %f %f) %f %f", &v[0], &v[1], &v[2], &v[3], &v[4]);
    if (n >= 3) rotationAxis = Vec3(v[0], v[1], v[2]);
    if (n >= 4) spin = v[3];
    if (n >= 5) spinSpeed = v[4];
  }
  if (block.has("orient")) {
    float v[4] = {};
    const int n = scanValues(line, 3, "orient V(%f %f %f) %f", &v[0], &v[1], &v[2], &v[3]);
    if (n >= 3) orientAxis = Vec3(v[0], v[1], v[2]);
    if (n >= 4) orientAngle = v[3];
  }
  if (block.has("position")) {
    Vec3 p;
    if (scanValues(line, 3, "position V(%f %f %f)", &p.x, &p.y, &p.z) == 3) {
      // Orbiting spheres are placed relative to a centre 2000 units along -x.
      if (followsOrbit) p.x -= 2000.0f;
      position = p;
      homePosition = p;
    }
  }
  if (block.has("color") && readVector(line, "color V(%f %f %f)", colour)) checkColour("color", colour);
  if (block.has("parent")) {
    checkLine(line, 1, "parent %s");
    char parentName[sizeof name];
    if (secondWord(line, parentName)) parent = findParent(list, parentName);
  }
}

void Sphere::update(double elapsedSeconds) {
  const float dt = float(elapsedSeconds);
  spin += spinSpeed * dt;
  if (spin > 360.0f) spin -= 360.0f;

  orbitAngle = 5000.0f / period * sceneClock;
  if (orbitAngle > 360.0f) orbitAngle -= 360.0f;

  if (isMoon) {
    moonAngle += 2.0f * moonSpeed * dt;
    if (moonAngle > 360.0f) moonAngle -= 360.0f;
    position = homePosition;
    rotateAboutAxis(position, rotationAxis, -moonAngle);
    spin = moonAngle;  // one face towards the centre
  }

  if (!isLight && followsOrbit) {
    if (!inclinedOrbit) {
      position = homePosition;
      rotateAboutAxis(position, Vec3(0, 1, 0), orbitAngle);
    } else {
      const float a = orbitAngle * 6.2831855f / 360.0f;
      const float x = std::cos(a) * 412000.0f * 1.5f;
      position = Vec3(x, 0.2f * x, std::sin(a) * 412000.0f);
    }
  }

  if (relativeToParent) {
    onParent = false;
    if (!uranMoon) {
      position = homePosition;
      rotateAboutAxis(position, rotationAxis, spin);
    } else {
      // Circles the line from the origin through the parent.
      const Vec3 towardsParent = parentPosition();
      position = directionOrZero(cross(Vec3(0, 1, 0), towardsParent)) * homePosition.x;
      rotateAboutAxis(position, towardsParent, spin);
    }
  }

  flashTime += dt;
  if (flashTime > flashPeriod) {
    flashOn = !flashOn;
    flashTime -= flashPeriod;
    flashPeriod = 0.5f;
    if (randomFlash) {
      flashTime = 0.0f;
      flashPeriod = flashOn ? rand01() * 0.4f + 0.4f : rand01() * 0.1f + 0.1f;
    }
    if (flashOn) {
      texOffsetU = rand01();
      texOffsetV = rand01();
      texRotation = rand01() * 180.0f;
    }
  }
}

void Sphere::draw(CameraDirector& camera) {
  glPushMatrix();
  if (isEnv) {
    position = camera.eye;
    disableCap(GL_LIGHTING);
    disableCap(GL_DEPTH_TEST);
    pushEyeFrustum(fov);
  }
  if (isLight) disableCap(GL_LIGHTING);
  if (relativeToParent && !onParent) {
    position += parentPosition();
    onParent = true;
  }
  glTranslatef(position.x, position.y, position.z);

  if (!hasAtmosphere) {
    glRotatef(orientAngle, orientAxis.x, orientAxis.y, orientAxis.z);
    glRotatef(spin + detiling, rotationAxis.x, rotationAxis.y, rotationAxis.z);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(detiling / 360.0f + 2.0f * spin / 360.0f * tiling, 0.0f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    textureMatrixChanged();
  }
  if (hasTexture) bindTexture(texture);

  if (alpha >= 1.0f) {
    disableCap(GL_BLEND);
    enableCap(GL_COLOR_MATERIAL);
    if (!isEnv) enableCap(GL_CULL_FACE);
    colour3f(1.0f, 1.0f, 1.0f);
  } else {
    colour4f(1.0f, 1.0f, 1.0f, alpha);
    if (!isLight) blendFunc(GL_SRC_ALPHA, GL_ONE);
    if (!isEnv) enableCap(GL_CULL_FACE);
  }
  if (isEnv) {
    enableCap(GL_CULL_FACE);
    glCullFace(GL_FRONT);  // the inside of the shell is seen
  }
  if (specular) {
    disableCap(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT, GL_SPECULAR, kSpecularColour);
    glMaterialf(GL_FRONT, GL_SHININESS, 15.6f);
  } else {
    glMaterialfv(GL_FRONT, GL_SPECULAR, kBlackSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, 12.6f);
  }
  if (alphaTexture) {
    blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    enableCap(GL_BLEND);
  }
  if (hasAtmosphere) {
    // The shell's local x axis runs from the camera through the centre.
    enableCap(GL_BLEND);
    const Vec3 d = normalized(position - camera.position);
    const Vec3 r = normalized(cross(d, camera.up));
    const Vec3 u = normalized(cross(d, r));
    const GLfloat facing[16] = {d.x, d.y, d.z, 0, r.x, r.y, r.z, 0, u.x, u.y, u.z, 0, 0, 0, 0, 1};
    glMultMatrixf(facing);
    depthWrites(false);
  }
  if (flash) {
    enableCap(GL_BLEND);
    blendFunc(GL_SRC_ALPHA, alphaTexture ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
    const float fade = flashTime / flashPeriod;
    if (randomFlash)
      colour4f(1.0f, 1.0f, 1.0f, flashOn ? rand01() * 0.7f + 0.3f : 0.0f);
    else
      colour4f(1.0f, 1.0f, 1.0f, flashOn ? fade : 1.0f - fade);
    glMatrixMode(GL_TEXTURE);
    glTranslatef(texOffsetU, texOffsetV, 0.0f);
    if (randomFlash) glRotatef(texRotation, 0.0f, 0.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    textureMatrixChanged();
  }
  if (scan) {
    disableCap(GL_LIGHTING);
    enableCap(GL_BLEND);
    blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  }
  glScalef(radius, radius, radius);
  if (relativeToParent) {
    disableCap(GL_TEXTURE_2D);
    colour4f(colour.x, colour.y, colour.z, 1.0f);
  }
  if (maskOnly) {
    enableCap(GL_BLEND);
    disableCap(GL_LIGHTING);
    disableCap(GL_TEXTURE_2D);
    colour4f(0.0f, 0.0f, 0.0f, 0.0f);
  }
  if (depthWritesOff) depthWrites(false);
  glMatrixMode(GL_TEXTURE);
  glScalef(tiling, tiling, 1.0f);
  glMatrixMode(GL_MODELVIEW);
  textureMatrixChanged();

  if (scan)
    drawScan();
  else if (displayList != 0)  // a mesh that could not be built
    glCallList(displayList);
  forgetColour();  // the atmosphere's lists colour their own vertices

  if (scan) enableCap(GL_LIGHTING);
  if (depthWritesOff) depthWrites(true);
  if (maskOnly) {
    enableCap(GL_LIGHTING);
    enableCap(GL_TEXTURE_2D);
    colour4f(1.0f, 1.0f, 1.0f, 1.0f);
  }
  disableCap(GL_COLOR_MATERIAL);
  enableCap(GL_BLEND);
  if (relativeToParent) enableCap(GL_TEXTURE_2D);
  if (isEnv) {
    position = camera.position;
    enableCap(GL_LIGHTING);
    popEyeFrustum();
    enableCap(GL_DEPTH_TEST);
    glCullFace(GL_BACK);
  }
  loadTextureIdentity();
  enableCap(GL_LIGHTING);
  if (hasAtmosphere || flash) depthWrites(true);
  if (flash) textureEnvMode(GL_MODULATE);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  disableCap(GL_CULL_FACE);
  glPopMatrix();
}

void Sphere::drawScan() {
  disableCap(GL_DEPTH_TEST);
  enableCap(GL_CULL_FACE);
  colour4f(colour.x, colour.y, colour.z, 1.0f);
  bindTexture(0);
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glScalef(40.0f, 40.0f, 1.0f);
  glMatrixMode(GL_MODELVIEW);
  textureMatrixChanged();
  if (displayList != 0) glCallList(displayList);
  enableCap(GL_DEPTH_TEST);
  loadTextureIdentity();
}
