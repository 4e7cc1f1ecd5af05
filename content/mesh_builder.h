#pragma once
// mesh_builder.h -- triangle meshes built in code and written as mesh data files

#include <cstdint>
#include <vector>

#include "math/vec3.h"

// A triangle mesh as the mesh data files hold it: vertices, faces with
// vertex and texture-coordinate indices, and a normal per face corner.
struct Mesh {
  struct Face {
    std::uint32_t v[3];
    std::uint32_t t[3];
    Vec3 n[3];
  };
  std::vector<Vec3> vertices;
  std::vector<float> u, v;
  std::vector<Face> faces;

  std::uint32_t addVertex(const Vec3& p);
  std::uint32_t addTexCoord(float s, float t);
  void addFace(const std::uint32_t (&v)[3], const std::uint32_t (&t)[3], const Vec3 (&n)[3]);
  // Appends `other`, its vertices moved by `offset`.
  void append(const Mesh& other);
};

// The little-endian mesh data file: counts, vertices, faces, texture
// indices, texture coordinates, corner normals.
std::vector<unsigned char> encodeMesh(const Mesh& mesh);

// A unit sphere, pole on the z axis, counter-clockwise seen from outside,
// with a seam column of duplicated vertices so u runs 0..1 without a jump.
// `inside` mirrors u, for a shell whose texture is seen from within.
Mesh makeSphere(int slices, int stacks, bool inside);

// Flat-shaded box of the given half sizes about the origin.
Mesh makeBox(const Vec3& half);

// A closed cylinder along z from z0 to z1 with flat caps.
Mesh makeCylinder(float radius, float z0, float z1, int sides);

// A torus about the z axis: ring radius `major`, tube radius `minor`.
Mesh makeTorus(float major, float minor, int ringSides, int tubeSides);

// Moves every vertex of `mesh` by the rotation that takes z to `axis`
// (normals turn with it), then by `offset`.
void placeMesh(Mesh& mesh, const Vec3& axis, const Vec3& offset);

// The space station: a hub, two habitat rings on spokes, modules, panels.
Mesh makeStation();

// An irregular lumpy rock about the unit sphere, for asteroids.
Mesh makeRock(std::uint32_t seed);
