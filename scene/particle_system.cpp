// particle_system.cpp -- the particle-system kind: streams, bursts and lightning bolts
#include "scene/particle_system.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "data/block_reader.h"
#include "data/data_file.h"
#include "data/load_report.h"
#include "gl/gl.h"
#include "gl/gl_state.h"
#include "math/random.h"
#include "scene/keyword_values.h"
#include "scene/parse_block.h"
#include "scene/parse_checks.h"
#include "scene/parsers.h"

namespace {

std::int32_t particlesHeld = 0;  // by all systems alive

// "dens N": false when there is no number. Out-of-range values saturate
// instead of overflowing; `asked` is the number as written.
bool readCount(const char* line, std::int32_t& out, long long& asked) {
  const char* digits = line + 4;
  char* end = nullptr;
  const long long value = std::strtoll(digits, &end, 10);
  if (end == digits) return false;
  asked = value;
  out = value > ParticleSystem::kMaxParticles ? ParticleSystem::kMaxParticles
        : value < -1                          ? -1
                                              : std::int32_t(value);
  return true;
}

// A zero vector stays zero instead of turning into NaNs.
Vec3 unitOrZero(const Vec3& v) {
  const float n = length(v);
  return n > 0 ? v / n : Vec3(0, 0, 0);
}

// One sprite, corners (-a-b)s, (a-b)s, (-a+b)s, (a+b)s.
void drawSprite(const Vec3& a, const Vec3& b, float s) {
  const Vec3 corners[4] = {(-a - b) * s, (a - b) * s, (-a + b) * s, (a + b) * s};
  const float uv[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  glBegin(GL_TRIANGLE_STRIP);
  for (int c = 0; c < 4; ++c) {
    glTexCoord2f(uv[c][0], uv[c][1]);
    glVertex3f(corners[c].x, corners[c].y, corners[c].z);
  }
  glEnd();
}

void drawParticle(const Vec3& at, double angle, const Vec3& normal, float alpha, const Vec3& a,
                  const Vec3& b, float s) {
  glPushMatrix();
  glTranslated(at.x, at.y, at.z);
  glRotated(angle, normal.x, normal.y, normal.z);
  colour4f(1, 1, 1, alpha);
  drawSprite(a, b, s);
  glPopMatrix();
}

}  // namespace

void parseParticleSystem(ObjectList& list) { parseBlock<ParticleSystem>(list, "ps"); }

void ParticleSystem::parseLine(const BlockReader& block, const ObjectList&) {
  const char* line = block.line();
  if (block.has("texture")) readTextureLine(line);
  if (block.has("size")) readFloat(line, "size %f", size);
  if (flagLine(block, "line")) mode = ParticleMode::Line;
  if (flagLine(block, "circ")) mode = ParticleMode::Circ;
  if (flagLine(block, "flash")) mode = ParticleMode::Flash;
  if (block.has("time")) {
    readFloat(line, "time %f", period);
    checkRange("time", period, kZeroOrMore);
    timeLine_ = block.file().line;
  }
  if (block.has("dens")) {
    checkLine(line, 1, "dens %d");
    if (readCount(line, density_, densityAsked_)) {
      densityGiven_ = true;
      timer = 0;
      period = 0;
      if (timeLine_ != 0)
        reportAtLine(ProblemLevel::kWarning, block.file(),
                     "'dens' sets the time to 0: the 'time' of line %u is lost (put it after "
                     "'dens')",
                     timeLine_);
    }
  }
  if (block.has("point1")) readVector(line, "point1 V(%f %f %f)", point1);
  if (block.has("point2")) readVector(line, "point2 V(%f %f %f)", point2);
  if (block.has("rot")) readVector(line, "rot V(%f %f %f)", yAxis);
}

void ParticleSystem::endBlock(const BlockReader& block) {
  if (densityGiven_) setDensity(density_);
  const DataFile& file = block.file();
  if (mode == ParticleMode::None)
    reportProblem(ProblemLevel::kWarning, file.name, block.beginLine(),
                  "no 'line', 'circ' or 'flash' in this ps block: it draws nothing");
  if (!densityGiven_)
    reportProblem(ProblemLevel::kWarning, file.name, block.beginLine(),
                  "no 'dens' in this ps block: it has no particles");
  else if (densityAsked_ < 0)
    reportProblem(ProblemLevel::kWarning, file.name, block.beginLine(),
                  "dens %.0f is below 0: the system has no particles", double(densityAsked_));
  else if (densityAsked_ > count)
    reportProblem(ProblemLevel::kWarning, file.name, block.beginLine(),
                  "dens %.0f is more than the %d particles left of the %d all systems hold "
                  "together: this one has %d",
                  double(densityAsked_), int(kMaxParticles - (particlesHeld - count)),
                  int(kMaxParticles),
                  int(count));
}

ParticleSystem::ParticleSystem() : spin(rand01() * 360.0f) { position = Vec3(0, 0, 0); }

ParticleSystem::~ParticleSystem() { particlesHeld -= count; }

std::int32_t ParticleSystem::particlesInUse() { return particlesHeld; }

void ParticleSystem::setDensity(std::int32_t n) {
  particlesHeld -= count;
  const std::int32_t left = kMaxParticles - particlesHeld;
  count = n < 0 ? 0 : n > left ? left : n;
  particlesHeld += count;
  positions.assign(count, Vec3(0, 0, 0));
  velocities.assign(count, Vec3(0, 0, -1000));
  accelerations.assign(count, Vec3(0, 0, 0));
  ages.assign(count, 0.0f);
  lifetimes.assign(count, 0.0f);
  for (std::int32_t i = 0; i < count; ++i) {
    positions[i] = position + randomUnitVector() * 250.0f;
    ages[i] = rand01() * 25.0f;
  }
}

void ParticleSystem::update(double elapsedSeconds) {
  if (mode == ParticleMode::None) return;
  const float dt = float(elapsedSeconds);
  timer += elapsedSeconds;

  if (mode != ParticleMode::Flash) {
    for (std::int32_t i = 0; i < count; ++i) {
      positions[i] += velocities[i] * dt;
      velocities[i] += accelerations[i] * dt;
      if (mode != ParticleMode::Line) continue;
      timer = 0;
      ages[i] += elapsedSeconds;
      if (ages[i] > lifetimes[i]) {
        positions[i] = Vec3(0, 0, 0);
        velocities[i] = Vec3(0, 0, -2400.0f - rand01() * 17100.0f);
        const float s = length(velocities[i]) * 0.57f;
        const float y = rand01();
        const float x = rand01() + 1.0f;
        accelerations[i] = Vec3(x, y, 0) * s;
        ages[i] = 0;
        lifetimes[i] = rand01() * 2.0f + 1.0f;
      }
    }
  }
  if (mode == ParticleMode::Circ && timer > period) startBurst();
  if (mode == ParticleMode::Flash && timer > period) sweepTick(dt);
}

void ParticleSystem::startBurst() {
  timer = 0;
  period = rand01() + 2.0f;
  const Vec3 e = randomUnitVector();
  position = point1 + e * size;
  const bool eruption = rand01() < 0.2f;
  for (std::int32_t i = 0; i < count; ++i) {
    Vec3 w = randomUnitVector();
    Vec3 u = e * size;
    const float theta = rand01() * 4.0f;
    rotateAboutAxis(u, w, theta);
    positions[i] = e * size - u;
    const float f = 1.0f - std::fabs(theta) * 0.25f;
    const float speed = rand01() * 300.0f + 800.0f;
    velocities[i] = unitOrZero(e * size * 1.1f - u) * speed * f;
    if (eruption) velocities[i] = e * (rand01() * 1700.0f + 400.0f) * f;
    w = randomUnitVector();
    const float phi = rand01() * 30.0f;
    rotateAboutAxis(velocities[i], w, phi);
    accelerations[i] = -e * (rand01() * 50.0f + 250.0f);
  }
}

void ParticleSystem::sweepTick(float dt) {
  spin += dt * 0.3f;
  timer = 0;
  period = rand01() * 0.04f + 0.01f;
  boltStep += 1;
  if (boltStep <= 2 * count) return;

  // A new bolt: a zig-zag chain in the plane across a random direction.
  spin = 0;
  boltStep = -count;
  const Vec3 w = randomUnitVector();
  position = point1 + w * 16100.0f;
  Vec3& rot = yAxis;
  rot = unitOrZero(w);
  Vec3 p(0, 0, 0);
  for (std::int32_t i = 0; i < count; ++i) {
    Vec3 v = cross(rot, Vec3(0, 1, 0)) * 100.8f;
    const float phi = rand01() * 180.0f + 30.0f;
    rotateAboutAxis(v, rot, phi);
    p += v;
    positions[i] = p;
  }
}

void ParticleSystem::draw(CameraDirector&) {
  if (mode == ParticleMode::None) return;
  if (mode == ParticleMode::Flash && count == 0) return;

  glPushMatrix();
  bindTexture(texture);
  blendFunc(GL_SRC_ALPHA, GL_ONE);
  glTranslatef(position.x, position.y, position.z);
  if (mode == ParticleMode::Flash)
    drawBolt();
  else
    drawCameraFacing(glState.cameraView.data());
  glPopMatrix();
}

void ParticleSystem::drawCameraFacing(const float* view) {
  disableCap(GL_DEPTH_TEST);
  disableCap(GL_LIGHTING);
  disableCap(GL_ALPHA_TEST);

  // The burst's phase; with no period yet the glow stays transparent.
  const float k = period > 0 ? timer / period : 0.0f;
  const float pulse = 1.0f - std::fabs(2.0f * k - 1.0f);
  const Vec3 d = position - point1;
  const Vec3 glowA = unitOrZero(cross(d, Vec3(0, 1, 0)));
  const Vec3 glowB = unitOrZero(cross(glowA, d));
  colour4f(1, 1, 1, pulse);
  drawSprite(glowA, glowB, 2000.0f);

  // The camera's right and up, from the view matrix.
  const Vec3 right(view[0], view[4], view[8]);
  const Vec3 up(view[1], view[5], view[9]);
  const Vec3 normal = cross(right, up);
  for (std::int32_t i = 0; i < count; ++i) {
    const double spread = double(count) - 2.0 * i;
    if (mode == ParticleMode::Line) {
      const float z = positions[i].z;
      const float alpha = lifetimes[i] > 0 ? 1.0f - ages[i] / lifetimes[i] : 0.0f;
      drawParticle(positions[i], 20.0 * z * spread, normal, alpha, right, up, 800.0f - 0.2f * z);
    } else {
      drawParticle(positions[i], 20.0 * k * spread, normal, pulse, right, up, 500.0f);
    }
  }
  enableCap(GL_DEPTH_TEST);
}

void ParticleSystem::drawBolt() {
  disableCap(GL_LIGHTING);
  enableCap(GL_CULL_FACE);
  glCullFace(GL_FRONT);
  const float k = spin / 0.1f;
  const float centreAlpha = rand01() * 0.4f + 0.2f - float(std::abs(boltStep)) / count * 0.2f;
  size = rand01() * 1000.0f + 2000.0f;
  depthWrites(false);

  const Vec3& rot = yAxis;
  const Vec3 a = cross(rot, Vec3(0, 1, 0));
  const Vec3 b = cross(a, rot);
  const Vec3 normal = cross(a, b);
  glNormal3f(normal.x, normal.y, normal.z);

  drawParticle(positions[count / 2], rand01() * 360.0, normal, centreAlpha, a, b, size);
  size = 250;
  for (std::int32_t i = 0; i < count; ++i) {
    const double angle = 20.0 * k * (double(count) - 2.0 * i);
    const float alpha = rand01() * 0.4f + 1.0f - float(std::abs(i - boltStep)) / count;
    drawParticle(positions[i], angle, normal, alpha, a, b, 250.0f);
  }

  enableCap(GL_ALPHA_TEST);
  depthWrites(true);
  enableCap(GL_LIGHTING);
  glCullFace(GL_BACK);
  disableCap(GL_CULL_FACE);
}
