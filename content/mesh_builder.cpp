// mesh_builder.cpp -- triangle meshes built in code and written as mesh data files
#include "content/mesh_builder.h"

#include <cmath>
#include <cstring>

#include "content/noise.h"

namespace {
constexpr float kPi = 3.14159265358979f;

void putU32(std::vector<unsigned char>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putFloat(std::vector<unsigned char>& out, float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, 4);
  putU32(out, bits);
}

// A quad a-b-c-d (counter-clockwise from outside) as two triangles.
void addQuad(Mesh& mesh, const std::uint32_t (&v)[4], const std::uint32_t (&t)[4], const Vec3 (&n)[4]) {
  mesh.addFace({v[0], v[1], v[2]}, {t[0], t[1], t[2]}, {n[0], n[1], n[2]});
  mesh.addFace({v[0], v[2], v[3]}, {t[0], t[2], t[3]}, {n[0], n[2], n[3]});
}
}  // namespace

std::uint32_t Mesh::addVertex(const Vec3& p) {
  vertices.push_back(p);
  return std::uint32_t(vertices.size() - 1);
}

std::uint32_t Mesh::addTexCoord(float s, float t) {
  u.push_back(s);
  v.push_back(t);
  return std::uint32_t(u.size() - 1);
}

void Mesh::addFace(const std::uint32_t (&vi)[3], const std::uint32_t (&ti)[3], const Vec3 (&ni)[3]) {
  faces.push_back({{vi[0], vi[1], vi[2]}, {ti[0], ti[1], ti[2]}, {ni[0], ni[1], ni[2]}});
}

void Mesh::append(const Mesh& other) {
  const auto vBase = std::uint32_t(vertices.size()), tBase = std::uint32_t(u.size());
  vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
  u.insert(u.end(), other.u.begin(), other.u.end());
  v.insert(v.end(), other.v.begin(), other.v.end());
  for (Face f : other.faces) {
    for (int k = 0; k < 3; ++k) {
      f.v[k] += vBase;
      f.t[k] += tBase;
    }
    faces.push_back(f);
  }
}

std::vector<unsigned char> encodeMesh(const Mesh& mesh) {
  std::vector<unsigned char> out;
  putU32(out, std::uint32_t(mesh.vertices.size()));
  putU32(out, std::uint32_t(mesh.faces.size()));
  putU32(out, std::uint32_t(mesh.u.size()));
  for (const Vec3& p : mesh.vertices) {
    putFloat(out, p.x);
    putFloat(out, p.y);
    putFloat(out, p.z);
  }
  for (const Mesh::Face& f : mesh.faces)
    for (std::uint32_t i : f.v) putU32(out, i);
  for (const Mesh::Face& f : mesh.faces)
    for (std::uint32_t i : f.t) putU32(out, i);
  for (std::size_t i = 0; i < mesh.u.size(); ++i) {
    putFloat(out, mesh.u[i]);
    putFloat(out, mesh.v[i]);
  }
  for (const Mesh::Face& f : mesh.faces)
    for (const Vec3& n : f.n) {
      putFloat(out, n.x);
      putFloat(out, n.y);
      putFloat(out, n.z);
    }
  return out;
}

Mesh makeSphere(int slices, int stacks, bool inside) {
  Mesh mesh;
  // Vertex (i, j): longitude column i of slices + 1 (the last repeats the
  // first for the seam), latitude row j of stacks + 1 from the north pole.
  for (int j = 0; j <= stacks; ++j) {
    const float theta = kPi * float(j) / float(stacks);
    for (int i = 0; i <= slices; ++i) {
      const float phi = 2 * kPi * float(i) / float(slices);
      Vec3 p(std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta));
      if (j == 0) p = Vec3(0, 0, 1);
      if (j == stacks) p = Vec3(0, 0, -1);
      if (i == slices) p = mesh.vertices[std::size_t(j) * (slices + 1)];
      mesh.addVertex(p);
      const float s = float(i) / float(slices);
      mesh.addTexCoord(inside ? 1 - s : s, 1 - float(j) / float(stacks));
    }
  }
  auto index = [slices](int i, int j) { return std::uint32_t(j * (slices + 1) + i); };
  for (int j = 0; j < stacks; ++j) {
    for (int i = 0; i < slices; ++i) {
      const std::uint32_t a = index(i, j), b = index(i, j + 1), c = index(i + 1, j + 1),
                          d = index(i + 1, j);
      // Going down a column then east is counter-clockwise from outside.
      const Vec3 na = mesh.vertices[a], nb = mesh.vertices[b], nc = mesh.vertices[c],
                 nd = mesh.vertices[d];
      if (j != 0) mesh.addFace({a, b, d}, {a, b, d}, {na, nb, nd});
      if (j != stacks - 1) mesh.addFace({d, b, c}, {d, b, c}, {nd, nb, nc});
    }
  }
  return mesh;
}

Mesh makeBox(const Vec3& h) {
  Mesh mesh;
  const Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  const float halves[3] = {h.x, h.y, h.z};
  const std::uint32_t t[4] = {mesh.addTexCoord(0, 0), mesh.addTexCoord(1, 0),
                              mesh.addTexCoord(1, 1), mesh.addTexCoord(0, 1)};
  for (int axis = 0; axis < 3; ++axis) {
    for (int sign = -1; sign <= 1; sign += 2) {
      const Vec3 n = axes[axis] * float(sign);
      const Vec3 e1 = axes[(axis + 1) % 3] * halves[(axis + 1) % 3];
      const Vec3 e2 = axes[(axis + 2) % 3] * halves[(axis + 2) % 3] * float(sign);
      const Vec3 c = n * halves[axis];
      const std::uint32_t v[4] = {mesh.addVertex(c - e1 - e2), mesh.addVertex(c + e1 - e2),
                                  mesh.addVertex(c + e1 + e2), mesh.addVertex(c - e1 + e2)};
      addQuad(mesh, v, t, {n, n, n, n});
    }
  }
  return mesh;
}

Mesh makeCylinder(float radius, float z0, float z1, int sides) {
  Mesh mesh;
  const float length = z1 - z0;
  for (int i = 0; i < sides; ++i) {
    const float p0 = 2 * kPi * float(i) / float(sides);
    const float p1 = 2 * kPi * float((i + 1) % sides) / float(sides);
    const Vec3 n0(std::cos(p0), std::sin(p0), 0), n1(std::cos(p1), std::sin(p1), 0);
    const std::uint32_t v[4] = {mesh.addVertex(n0 * radius + Vec3(0, 0, z0)),
                                mesh.addVertex(n1 * radius + Vec3(0, 0, z0)),
                                mesh.addVertex(n1 * radius + Vec3(0, 0, z1)),
                                mesh.addVertex(n0 * radius + Vec3(0, 0, z1))};
    const float s0 = float(i) / float(sides), s1 = float(i + 1) / float(sides);
    const float t1 = length / (2 * kPi * radius);
    const std::uint32_t t[4] = {mesh.addTexCoord(s0, 0), mesh.addTexCoord(s1, 0),
                                mesh.addTexCoord(s1, t1), mesh.addTexCoord(s0, t1)};
    addQuad(mesh, v, t, {n0, n1, n1, n0});
    // Caps: fans about the axis.
    const std::uint32_t top = mesh.addVertex(Vec3(0, 0, z1)), bottom = mesh.addVertex(Vec3(0, 0, z0));
    const std::uint32_t tc = mesh.addTexCoord(0.5f, 0.5f);
    const std::uint32_t te0 = mesh.addTexCoord(0.5f + 0.5f * n0.x, 0.5f + 0.5f * n0.y);
    const std::uint32_t te1 = mesh.addTexCoord(0.5f + 0.5f * n1.x, 0.5f + 0.5f * n1.y);
    const Vec3 up(0, 0, 1), down(0, 0, -1);
    mesh.addFace({v[3], v[2], top}, {te0, te1, tc}, {up, up, up});
    mesh.addFace({v[1], v[0], bottom}, {te1, te0, tc}, {down, down, down});
  }
  return mesh;
}

Mesh makeTorus(float major, float minor, int ringSides, int tubeSides) {
  Mesh mesh;
  for (int i = 0; i <= ringSides; ++i) {
    const float phi = 2 * kPi * float(i % ringSides) / float(ringSides);
    const Vec3 radial(std::cos(phi), std::sin(phi), 0);
    for (int j = 0; j <= tubeSides; ++j) {
      const float theta = 2 * kPi * float(j % tubeSides) / float(tubeSides);
      const Vec3 n = radial * std::cos(theta) + Vec3(0, 0, std::sin(theta));
      mesh.addVertex(radial * major + n * minor);
      mesh.addTexCoord(float(i) / float(ringSides) * 16, float(j) / float(tubeSides));
    }
  }
  auto index = [tubeSides](int i, int j) { return std::uint32_t(i * (tubeSides + 1) + j); };
  for (int i = 0; i < ringSides; ++i) {
    for (int j = 0; j < tubeSides; ++j) {
      const std::uint32_t v[4] = {index(i, j), index(i + 1, j), index(i + 1, j + 1), index(i, j + 1)};
      Vec3 n[4];
      for (int k = 0; k < 4; ++k) {
        const Vec3 p = mesh.vertices[v[k]];
        const Vec3 centre = normalized(Vec3(p.x, p.y, 0)) * major;
        n[k] = normalized(p - centre);
      }
      addQuad(mesh, v, v, n);
    }
  }
  return mesh;
}

void placeMesh(Mesh& mesh, const Vec3& axis, const Vec3& offset) {
  const Vec3 z = normalized(axis);
  const Vec3 helper = std::fabs(z.z) < 0.9f ? Vec3(0, 0, 1) : Vec3(1, 0, 0);
  const Vec3 x = normalized(cross(helper, z));
  const Vec3 y = cross(z, x);
  auto turn = [&](const Vec3& p) { return x * p.x + y * p.y + z * p.z; };
  for (Vec3& p : mesh.vertices) p = turn(p) + offset;
  for (Mesh::Face& f : mesh.faces)
    for (Vec3& n : f.n) n = turn(n);
}

Mesh makeStation() {
  Mesh station;
  // Hub along z with docking ends.
  station.append(makeCylinder(60, -260, 260, 24));
  Mesh dockA = makeCylinder(34, 260, 330, 16), dockB = makeCylinder(34, -330, -260, 16);
  station.append(dockA);
  station.append(dockB);
  // Two habitat rings, each with four spokes.
  for (float z : {-150.0f, 150.0f}) {
    Mesh ring = makeTorus(420, 36, 32, 6);
    placeMesh(ring, Vec3(0, 0, 1), Vec3(0, 0, z));
    station.append(ring);
    for (int k = 0; k < 4; ++k) {
      const float a = kPi / 2 * float(k) + (z > 0 ? kPi / 4 : 0);
      const Vec3 dir(std::cos(a), std::sin(a), 0);
      Mesh spoke = makeCylinder(12, 55, 390, 8);
      placeMesh(spoke, dir, Vec3(0, 0, z));
      station.append(spoke);
    }
  }
  // Modules around the hub and solar panels on a mast.
  for (int k = 0; k < 6; ++k) {
    const float a = kPi / 3 * float(k);
    const Vec3 dir(std::cos(a), std::sin(a), 0);
    Mesh module = makeCylinder(30, 60, 130, 12);
    placeMesh(module, dir, Vec3(0, 0, (k % 2 ? 40.0f : -40.0f)));
    station.append(module);
  }
  Mesh mast = makeCylinder(8, 330, 620, 8);
  station.append(mast);
  for (float side : {-1.0f, 1.0f}) {
    Mesh panel = makeBox(Vec3(220, 70, 3));
    placeMesh(panel, Vec3(0, 1, 0), Vec3(side * 240, 0, 560));
    station.append(panel);
  }
  return station;
}

Mesh makeRock(std::uint32_t seed) {
  Mesh rock = makeSphere(12, 8, false);
  for (Vec3& p : rock.vertices) {
    const float bump = 1 + 0.35f * fbm3(p.x * 1.3f, p.y * 1.3f, p.z * 1.3f, 4, 0.5f, seed);
    p = Vec3(p.x * bump * 1.3f, p.y * bump * 0.9f, p.z * bump * 0.8f);
  }
  // Face normals: the lumps should catch the light as facets.
  for (Mesh::Face& f : rock.faces) {
    const Vec3 n = normalized(cross(rock.vertices[f.v[1]] - rock.vertices[f.v[0]],
                                    rock.vertices[f.v[2]] - rock.vertices[f.v[0]]));
    for (Vec3& c : f.n) c = n;
  }
  return rock;
}
