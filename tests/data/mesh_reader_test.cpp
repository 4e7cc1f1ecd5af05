#include "data/mesh_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "data/data_file.h"
#include "data/mesh_lists.h"
#include "math/random.h"
#include "tests/data/data_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kPath = "meshes\\m.dat";

// Two faces over four vertices, with texture indices unlike the vertex ones.
MeshData twoFaces() {
  MeshData m;
  m.vertices = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0.5f};
  m.faces = {0, 1, 2, 0, 2, 3};
  m.texFaces = {4, 3, 2, 1, 0, 4};
  m.uvs = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f};
  for (int i = 0; i < 18; ++i) m.normals.push_back(float(i) / 10);
  return m;
}

MeshArrays read(const Bytes& file, bool noise = false) {
  ArchiveFixture archive({{kPath, file}});
  MeshArrays mesh;
  readMeshMember(kPath, mesh, noise);
  return mesh;
}

bool isEmpty(const MeshArrays& m) {
  return m.faceCount == 0 && m.x.empty() && m.a.empty() && m.ta.empty() && m.u.empty() &&
         m.normals.empty();
}

void putAt(Bytes& bytes, std::size_t at, std::uint32_t v) {
  Bytes word;
  put32(word, v);
  std::copy(word.begin(), word.end(), bytes.begin() + long(at));
}

float angleDegrees(float ax, float ay, float az, float bx, float by, float bz) {
  const double dot = double(ax) * bx + double(ay) * by + double(az) * bz;
  const double la = std::sqrt(double(ax) * ax + double(ay) * ay + double(az) * az);
  const double lb = std::sqrt(double(bx) * bx + double(by) * by + double(bz) * bz);
  return float(std::acos(std::min(1.0, dot / (la * lb))) * 180.0 / 3.14159265358979);
}

}  // namespace

TEST(MeshReader, ReadsEverySectionInFileOrder) {
  const Bytes file = meshFile(twoFaces());
  ASSERT_EQ(file.size(), 12u + 12 * 4 + 60 * 2 + 8 * 5);
  ArchiveFixture archive({{kPath, file}});
  loadRetainedMesh(kPath);
  const MeshArrays& m = retainedSphereMesh;
  EXPECT_EQ(m.faceCount, 2u);
  EXPECT_EQ(m.x, std::vector<float>({0, 1, 1, 0}));
  EXPECT_EQ(m.y, std::vector<float>({0, 0, 1, 1}));
  EXPECT_EQ(m.z, std::vector<float>({0, 0, 0, 0.5f}));
  EXPECT_EQ(m.a, std::vector<std::uint32_t>({0, 0}));
  EXPECT_EQ(m.b, std::vector<std::uint32_t>({1, 2}));
  EXPECT_EQ(m.c, std::vector<std::uint32_t>({2, 3}));
  EXPECT_EQ(m.ta, std::vector<std::uint32_t>({4, 1}));
  EXPECT_EQ(m.tb, std::vector<std::uint32_t>({3, 0}));
  EXPECT_EQ(m.tc, std::vector<std::uint32_t>({2, 4}));
  EXPECT_EQ(m.u, std::vector<float>({0.0f, 0.2f, 0.4f, 0.6f, 0.8f}));
  EXPECT_EQ(m.v, std::vector<float>({0.1f, 0.3f, 0.5f, 0.7f, 0.9f}));
  ASSERT_EQ(m.normals.size(), 18u);
  EXPECT_EQ(m.normals[9], 0.9f);  // the second face's first corner, x
  retainedSphereMesh = MeshArrays();
}

TEST(MeshReader, BytesBeyondTheMeshAreIgnored) {
  Bytes file = meshFile(twoFaces());
  file.insert(file.end(), {1, 2, 3, 4, 5});
  EXPECT_EQ(read(file).faceCount, 2u);
}

TEST(MeshReader, NoiseTurnsVerticesByAtMostTheBoundAndKeepsTheirLength) {
  const MeshData sphere = sphereMesh(24);
  const Bytes file = meshFile(sphere);
  const MeshArrays plain = read(file);
  seedRandom(77);
  const MeshArrays noised = read(file, true);
  seedRandom(77);
  const MeshArrays again = read(file, true);
  ASSERT_EQ(noised.x.size(), plain.x.size());
  float largest = 0;
  for (std::size_t i = 0; i < plain.x.size(); ++i) {
    const float before = std::sqrt(plain.x[i] * plain.x[i] + plain.y[i] * plain.y[i] + plain.z[i] * plain.z[i]);
    const float after = std::sqrt(noised.x[i] * noised.x[i] + noised.y[i] * noised.y[i] +
                                  noised.z[i] * noised.z[i]);
    EXPECT_NEAR(after, before, 1e-5f) << i;
    const float turned = angleDegrees(plain.x[i], plain.y[i], plain.z[i], noised.x[i], noised.y[i], noised.z[i]);
    EXPECT_LE(turned, 2.6f + 0.01f) << i;
    largest = std::max(largest, turned);
    EXPECT_EQ(noised.x[i], again.x[i]);
  }
  EXPECT_GT(largest, 2.0f);  // the noise does move vertices
  EXPECT_EQ(noised.normals, plain.normals);
  EXPECT_EQ(noised.u, plain.u);
  EXPECT_EQ(noised.a, plain.a);
}

TEST(MeshReader, NoiseDrawsFourNumbersAVertex) {
  seedRandom(5);
  for (int i = 0; i < 4 * 4; ++i) randomInt();
  const int next = randomInt();
  seedRandom(5);
  read(meshFile(twoFaces()), true);
  EXPECT_EQ(randomInt(), next);
}

TEST(MeshReader, ShortLyingOrOutOfRangeMeshesAreEmpty) {
  const Bytes good = meshFile(twoFaces());
  EXPECT_TRUE(isEmpty(read(Bytes(good.begin(), good.end() - 1))));
  EXPECT_TRUE(isEmpty(read(Bytes(good.begin(), good.begin() + 7))));
  EXPECT_TRUE(isEmpty(read({})));

  for (std::size_t count = 0; count < 3; ++count) {
    Bytes lying = good;
    putAt(lying, count * 4, 0xFFFFFFFFu);
    EXPECT_TRUE(isEmpty(read(lying))) << count;
    putAt(lying, count * 4, 0x20000000u);
    EXPECT_TRUE(isEmpty(read(lying))) << count;
  }
  MeshData badVertex = twoFaces();
  badVertex.faces[5] = 4;
  EXPECT_TRUE(isEmpty(read(meshFile(badVertex))));
  MeshData badTexel = twoFaces();
  badTexel.texFaces[0] = 5;
  EXPECT_TRUE(isEmpty(read(meshFile(badTexel))));
  MeshData noTexels = twoFaces();
  noTexels.uvs.clear();
  EXPECT_TRUE(isEmpty(read(meshFile(noTexels))));

  ArchiveFixture archive({textMember("other", "x")});
  MeshArrays missing;
  missing.faceCount = 9;
  readMeshMember("meshes\\absent.dat", missing, false);
  EXPECT_TRUE(isEmpty(missing));
}
