// mesh_reader.cpp -- reads a mesh data file, optionally with every vertex turned a little at random
#include "data/mesh_reader.h"

#include <cstring>

#include "data/data_file.h"
#include "data/load_report.h"
#include "math/random.h"
#include "math/vec3.h"

namespace {

// Vertices turn by at most this many degrees in the noised variant.
constexpr float kNoiseDegrees = 2.6f;

std::uint32_t readU32(DataFile& file) {
  unsigned char b[4] = {};
  file.readGuarded(b, 4);
  return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
         std::uint32_t(b[3]) << 24;
}

float readFloat(DataFile& file) {
  const std::uint32_t bits = readU32(file);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void readIndices(DataFile& file, std::uint32_t faces, std::vector<std::uint32_t>& a,
                 std::vector<std::uint32_t>& b, std::vector<std::uint32_t>& c) {
  a.resize(faces);
  b.resize(faces);
  c.resize(faces);
  for (std::uint32_t i = 0; i < faces; ++i) {
    a[i] = readU32(file);
    b[i] = readU32(file);
    c[i] = readU32(file);
  }
}

bool allBelow(const std::vector<std::uint32_t>& indices, std::size_t count) {
  for (std::uint32_t i : indices)
    if (i >= count) return false;
  return true;
}

// Turns v by a random angle of up to 2.6 degrees about a random axis
// through the origin, which keeps its length.
void jitter(float& x, float& y, float& z) {
  const Vec3 axis = randomUnitVector();
  const float angle = rand01() * kNoiseDegrees;
  Vec3 v(x, y, z);
  rotateAboutAxis(v, axis, angle);
  x = v.x;
  y = v.y;
  z = v.z;
}

}  // namespace

MeshFault readMesh(DataFile& file, MeshArrays& mesh, bool noise) {
  mesh = MeshArrays();
  const std::uint32_t nv = readU32(file), nf = readU32(file), nt = readU32(file);
  const std::uint64_t length = 12 + 12 * std::uint64_t(nv) + 60 * std::uint64_t(nf) +
                               8 * std::uint64_t(nt);
  if (length > file.size) return MeshFault::kShort;

  mesh.x.resize(nv);
  mesh.y.resize(nv);
  mesh.z.resize(nv);
  for (std::uint32_t i = 0; i < nv; ++i) {
    mesh.x[i] = readFloat(file);
    mesh.y[i] = readFloat(file);
    mesh.z[i] = readFloat(file);
    if (noise) jitter(mesh.x[i], mesh.y[i], mesh.z[i]);
  }
  readIndices(file, nf, mesh.a, mesh.b, mesh.c);
  readIndices(file, nf, mesh.ta, mesh.tb, mesh.tc);
  mesh.u.resize(nt);
  mesh.v.resize(nt);
  for (std::uint32_t i = 0; i < nt; ++i) {
    mesh.u[i] = readFloat(file);
    mesh.v[i] = readFloat(file);
  }
  mesh.normals.resize(std::size_t(nf) * 9);
  for (float& n : mesh.normals) n = readFloat(file);
  mesh.faceCount = nf;

  if (!allBelow(mesh.a, nv) || !allBelow(mesh.b, nv) || !allBelow(mesh.c, nv) ||
      !allBelow(mesh.ta, nt) || !allBelow(mesh.tb, nt) || !allBelow(mesh.tc, nt)) {
    mesh = MeshArrays();
    return MeshFault::kIndexBeyond;
  }
  return MeshFault::kNone;
}

void readMeshMember(const char* fileName, MeshArrays& mesh, bool noise) {
  DataFile file;
  const bool opened = file.open(fileName) != 0;
  const MeshFault fault = readMesh(file, mesh, noise);
  if (!opened)
    reportMember(ProblemLevel::kError, fileName, "%s: nothing is drawn with it", whyNotOpened(fileName));
  else if (fault == MeshFault::kShort)
    reportMember(ProblemLevel::kError, fileName,
                 "is not a mesh file: it is shorter than its counts promise; nothing is drawn with it");
  else if (fault == MeshFault::kIndexBeyond)
    reportMember(ProblemLevel::kError, fileName,
                 "is not a mesh file: a face names a vertex or texture coordinate beyond the counts; "
                 "nothing is drawn with it");
}
