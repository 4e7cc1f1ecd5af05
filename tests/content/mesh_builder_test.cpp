#include <cmath>

#include <gtest/gtest.h>

#include "content/mesh_builder.h"
#include "data/data_file.h"
#include "data/mesh_reader.h"
#include "tests/support/temp_dir.h"

namespace {

Vec3 faceNormal(const Mesh& mesh, const Mesh::Face& f) {
  const Vec3 &a = mesh.vertices[f.v[0]], &b = mesh.vertices[f.v[1]], &c = mesh.vertices[f.v[2]];
  return cross(b - a, c - a);
}

// Every face is wound counter-clockwise seen along its corner normals, and
// the corner normals are unit vectors.
void expectNormalsAgreeWithWinding(const Mesh& mesh) {
  for (std::size_t i = 0; i < mesh.faces.size(); ++i) {
    const Vec3 n = faceNormal(mesh, mesh.faces[i]);
    for (const Vec3& corner : mesh.faces[i].n) {
      ASSERT_NEAR(length(corner), 1.0f, 1e-4f) << "face " << i;
      ASSERT_GT(dot(corner, n), 0.0f) << "face " << i;
    }
  }
}

TEST(MeshBuilder, SphereIsAUnitSphereWoundOutwardsWithASeamlessMap) {
  const Mesh sphere = makeSphere(32, 16, false);
  for (const Vec3& p : sphere.vertices) ASSERT_NEAR(length(p), 1.0f, 1e-5f);
  expectNormalsAgreeWithWinding(sphere);
  for (const Mesh::Face& f : sphere.faces) {
    for (int k = 0; k < 3; ++k) {
      // Per-corner normals of a sphere point along the radius.
      EXPECT_NEAR(dot(f.n[k], sphere.vertices[f.v[k]]), 1.0f, 1e-4f);
      ASSERT_GE(sphere.u[f.t[k]], 0.0f);
      ASSERT_LE(sphere.u[f.t[k]], 1.0f);
    }
    // No face spans the seam: its u values lie within one column.
    const float u0 = sphere.u[f.t[0]], u1 = sphere.u[f.t[1]], u2 = sphere.u[f.t[2]];
    EXPECT_LE(std::fmax(u0, std::fmax(u1, u2)) - std::fmin(u0, std::fmin(u1, u2)), 1.0f / 32 + 1e-5f);
  }
  // The north pole (z = 1) is the top of the picture (v = 1).
  EXPECT_FLOAT_EQ(sphere.v[0], 1.0f);
  EXPECT_FLOAT_EQ(sphere.vertices[0].z, 1.0f);
}

TEST(MeshBuilder, InsideShellMirrorsTheMapOnly) {
  const Mesh outside = makeSphere(8, 4, false), inside = makeSphere(8, 4, true);
  ASSERT_EQ(outside.u.size(), inside.u.size());
  for (std::size_t i = 0; i < outside.u.size(); ++i) {
    EXPECT_FLOAT_EQ(inside.u[i], 1 - outside.u[i]);
    EXPECT_FLOAT_EQ(inside.v[i], outside.v[i]);
  }
  ASSERT_EQ(outside.faces.size(), inside.faces.size());
}

TEST(MeshBuilder, StationAndRockNormalsFaceOutOfTheirFaces) {
  const Mesh station = makeStation();
  EXPECT_GT(station.faces.size(), 1000u);
  expectNormalsAgreeWithWinding(station);
  expectNormalsAgreeWithWinding(makeRock(5));
  expectNormalsAgreeWithWinding(makeBox(Vec3(1, 2, 3)));
  expectNormalsAgreeWithWinding(makeTorus(4, 1, 12, 6));
}

// A box and a cylinder about the origin: every face looks away from it.
TEST(MeshBuilder, ClosedPartsFaceAwayFromTheirCentre) {
  for (const Mesh& mesh : {makeBox(Vec3(1, 2, 3)), makeCylinder(2, -3, 3, 10)}) {
    for (const Mesh::Face& f : mesh.faces) {
      const Vec3 centre =
          (mesh.vertices[f.v[0]] + mesh.vertices[f.v[1]] + mesh.vertices[f.v[2]]) * (1.0f / 3);
      EXPECT_GT(dot(faceNormal(mesh, f), centre), 0.0f);
    }
  }
}

TEST(MeshBuilder, EncodedMeshReadsBackThroughTheMeshLoader) {
  const Mesh rock = makeRock(3);
  const std::vector<unsigned char> bytes = encodeMesh(rock);
  EXPECT_EQ(bytes.size(), 12 + 12 * rock.vertices.size() + 60 * rock.faces.size() + 8 * rock.u.size());

  ArchiveFixture archive({{"meshes\\rock.dat", bytes}});
  MeshArrays read;
  readMeshMember("meshes\\rock.dat", read, false);
  ASSERT_EQ(read.faceCount, rock.faces.size());
  ASSERT_EQ(read.x.size(), rock.vertices.size());
  const std::size_t last = rock.faces.size() - 1;
  EXPECT_EQ(read.c[last], rock.faces[last].v[2]);
  EXPECT_EQ(read.tb[last], rock.faces[last].t[1]);
  EXPECT_FLOAT_EQ(read.normals[last * 9 + 8], rock.faces[last].n[2].z);
  EXPECT_FLOAT_EQ(read.y[7], rock.vertices[7].y);
  EXPECT_FLOAT_EQ(read.v[5], rock.v[5]);
}

}  // namespace
