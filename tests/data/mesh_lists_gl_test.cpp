#include "data/mesh_lists.h"

#include "tests/data/data_fixtures.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using MeshListsGl = GlTest;

// One triangle across the middle of the view; its corners take texture
// coordinates 2, 0 and 1, unlike their vertex indices.
MeshData triangle() {
  MeshData m;
  m.vertices = {-0.8f, -0.8f, 0, 0.8f, -0.8f, 0, 0, 0.8f, 0};
  m.faces = {0, 1, 2};
  m.texFaces = {2, 0, 1};
  m.uvs = {0.25f, 0.5f, 0.25f, 0.5f, 0.75f, 0.5f};
  m.normals = {0, 0, 1, 0, 1, 0, 1, 0, 0};
  return m;
}

// A face whose last corner lies at x.
MeshData lastCornerAt(float x) {
  MeshData m = triangle();
  m.vertices[6] = x;
  return m;
}

Pixel centre() { return readPixel(kGlTestWidth / 2, kGlTestHeight / 2 - 4); }

bool isBlack(const Pixel& p) { return p.r == 0 && p.g == 0 && p.b == 0; }

float alphaAfter(GLuint list) {
  glColor4f(0, 0, 0, 0.5f);
  glCallList(list);
  float colour[4] = {};
  glGetFloatv(GL_CURRENT_COLOR, colour);
  return colour[3];
}

}  // namespace

TEST_F(MeshListsGl, OneTriangleCompilesToOneTriangle) {
  const Bytes file = meshFile(triangle());
  ASSERT_EQ(file.size(), 132u);
  ArchiveFixture archive({{"meshes\\t.dat", file}});
  DisplayListHolder holder;
  loadMeshList(holder, "meshes\\t.dat", false);
  ASSERT_NE(holder.displayList, 0u);
  EXPECT_TRUE(glIsList(holder.displayList));

  glColor3f(1, 0, 0);
  glCallList(holder.displayList);
  const Pixel inside = centre();
  EXPECT_EQ(inside.r, 255);
  EXPECT_EQ(inside.g, 0);
  EXPECT_TRUE(isBlack(readPixel(2, kGlTestHeight - 2)));
  EXPECT_TRUE(isBlack(readPixel(kGlTestWidth - 2, kGlTestHeight - 2)));

  // The last corner leaves its normal and the coordinates of its own texture index.
  float normal[3], texel[4];
  glGetFloatv(GL_CURRENT_NORMAL, normal);
  glGetFloatv(GL_CURRENT_TEXTURE_COORDS, texel);
  EXPECT_EQ(normal[0], 1.0f);
  EXPECT_EQ(normal[2], 0.0f);
  EXPECT_EQ(texel[0], 0.25f);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(MeshListsGl, CornersTakeTheTexelsOfTheirTextureIndices) {
  MeshData m = triangle();
  m.texFaces = {2, 2, 2};  // all corners on the green half
  ArchiveFixture archive({{"meshes\\t.dat", meshFile(m)}});
  DisplayListHolder holder;
  loadMeshList(holder, "meshes\\t.dat", false);

  const unsigned char texels[] = {255, 0, 0, 0, 255, 0};  // red | green
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glEnable(GL_TEXTURE_2D);
  glCallList(holder.displayList);
  glDisable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glDeleteTextures(1, &texture);

  for (int dx : {-8, 0, 8}) {
    const Pixel p = readPixel(kGlTestWidth / 2 + dx, kGlTestHeight / 2 - 8);
    EXPECT_EQ(p.r, 0) << dx;
    EXPECT_EQ(p.g, 255) << dx;
  }
}

TEST_F(MeshListsGl, CompilingLeavesTheMatricesAloneAndRecordsNone) {
  ArchiveFixture archive({{"meshes\\t.dat", meshFile(triangle())}});
  glMatrixMode(GL_MODELVIEW);
  glTranslatef(0.9f, 0, 0);
  glMatrixMode(GL_PROJECTION);
  DisplayListHolder holder;
  loadMeshList(holder, "meshes\\t.dat", false);

  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_PROJECTION);
  float m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  EXPECT_EQ(m[12], 0.9f);
  EXPECT_EQ(m[0], 1.0f);

  // Drawn under the translation, the triangle moves right.
  glCallList(holder.displayList);
  EXPECT_TRUE(isBlack(readPixel(kGlTestWidth / 2 - 12, kGlTestHeight / 2 - 8)));
  EXPECT_FALSE(isBlack(readPixel(kGlTestWidth / 2 + 20, kGlTestHeight / 2 - 8)));
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  EXPECT_EQ(m[12], 0.9f);
}

TEST_F(MeshListsGl, AtmosphereAndScatterAlphasFollowTheCornersX) {
  struct Case {
    float x, atmosphere, scatter;
  } cases[] = {{0, -0.6f, 1.4f}, {1, 2.4f, 3.0f}, {-1, 2.4f, -0.2f}, {0.5f, 0.15f, 2.2f}};
  for (const Case& c : cases) {
    ArchiveFixture archive({{"meshes\\sphere.dat", meshFile(lastCornerAt(c.x))}});
    buildAtmosphereLists("meshes\\sphere.dat");
    ASSERT_NE(atmosphereList, 0u);
    ASSERT_NE(scatterList, 0u);
    ASSERT_NE(atmosphereList, scatterList);
    EXPECT_NEAR(alphaAfter(atmosphereList), c.atmosphere, 1e-6f) << c.x;
    EXPECT_NEAR(alphaAfter(scatterList), c.scatter, 1e-6f) << c.x;
    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0], 1.0f);
    EXPECT_EQ(colour[2], 1.0f);
  }
}

TEST_F(MeshListsGl, PlainListsSetNoColour) {
  ArchiveFixture archive({{"meshes\\t.dat", meshFile(triangle())}});
  DisplayListHolder holder;
  loadMeshList(holder, "meshes\\t.dat", true);
  EXPECT_EQ(alphaAfter(holder.displayList), 0.5f);
}

TEST_F(MeshListsGl, BrokenOrMissingMeshesGiveEmptyLists) {
  Bytes truncated = meshFile(triangle());
  truncated.resize(100);
  Bytes lying = meshFile(triangle());
  lying[4] = 0xFF;  // a face count of 255
  MeshData outOfRange = triangle();
  outOfRange.faces[1] = 3;
  ArchiveFixture archive({{"meshes\\cut.dat", truncated},
                          {"meshes\\lying.dat", lying},
                          {"meshes\\range.dat", meshFile(outOfRange)}});
  DisplayListHolder holder;
  for (const char* name : {"meshes\\cut.dat", "meshes\\lying.dat", "meshes\\range.dat",
                           "meshes\\absent.dat"}) {
    const std::uint32_t previous = holder.displayList;
    loadMeshList(holder, name, false);
    EXPECT_NE(holder.displayList, previous) << name;
    EXPECT_TRUE(glIsList(holder.displayList)) << name;
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glCallList(holder.displayList);
    EXPECT_TRUE(isBlack(centre())) << name;
  }
  buildAtmosphereLists("meshes\\absent.dat");
  EXPECT_TRUE(glIsList(atmosphereList));
  EXPECT_TRUE(glIsList(scatterList));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
