#include "scene/sphere.h"

#include <string>
#include <utility>

#include "data/mesh_lists.h"
#include "scene/parsers.h"
#include "tests/data/data_fixtures.h"
#include "tests/support/object_text.h"
#include "tests/support/scene_gl.h"
#include "tests/support/temp_dir.h"

namespace {

// The unit sphere with its faces wound counter-clockwise seen from outside.
MeshData outwardSphere() {
  MeshData m = sphereMesh(16);
  for (std::size_t f = 0; f * 3 < m.faces.size(); ++f) {
    std::swap(m.faces[f * 3 + 1], m.faces[f * 3 + 2]);
    std::swap(m.texFaces[f * 3 + 1], m.texFaces[f * 3 + 2]);
    for (int k = 0; k < 3; ++k) std::swap(m.normals[f * 9 + 3 + k], m.normals[f * 9 + 6 + k]);
  }
  return m;
}

class SphereGl : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    {
      ArchiveFixture archive({{"meshes\\sphere.dat", meshFile(outwardSphere())}});
      loadMeshList(sphereList, "meshes\\sphere.dat", false);
    }
    envList = sphereList;
    resetSphereParseState();
    setFrameState();
    setFrameView(camera, Vec3(0, 0, 30), Vec3(0, 0, -1), Vec3(0, 1, 0));
  }
  void TearDown() override { glDeleteLists(sphereList.displayList, 1); }

  Sphere& parse(const std::string& block) {
    ObjectText file(block);
    parseSphere(objects);
    return *static_cast<Sphere*>(objects.back());
  }

  // The state every sphere leaves, whatever its flags.
  void expectLeftState(const MatrixStacks& before) {
    EXPECT_TRUE(isEnabled(GL_LIGHTING));
    EXPECT_TRUE(isEnabled(GL_BLEND));
    EXPECT_TRUE(isEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(isEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(isEnabled(GL_CULL_FACE));
    EXPECT_FALSE(isEnabled(GL_COLOR_MATERIAL));
    EXPECT_TRUE(depthWritesOn());
    expectAdditiveBlend();
    EXPECT_TRUE(textureMatrixIsIdentity());
    EXPECT_TRUE(MatrixStacks::now() == before);
    EXPECT_EQ(glInteger(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  }

  CameraDirector camera;
  ObjectList objects;
};

// Screen column of world x on the plane z = 0, seen from z = 30.
int columnOf(float x) { return int(kGlTestWidth / 2 + x / 30.0f / 0.41421f * (kGlTestHeight / 2)); }

}  // namespace

TEST_F(SphereGl, OpaqueTexturedSphereShowsWhereTheCameraSeesIt) {
  CatalogueTexture red("textures\\red.jpg", 255, 0, 0);
  Sphere& s = parse("begin\norbit\nposition V(6 0 0)\nradius 3\ntexture textures\\red.jpg\nend\n");
  EXPECT_EQ(s.texture, red.name());
  s.update(0.0);
  const MatrixStacks before = MatrixStacks::now();
  s.draw(camera);

  const Pixel inside = readPixel(columnOf(6), kGlTestHeight / 2);
  EXPECT_GT(inside.r, 150);
  EXPECT_LT(inside.g, 30);
  EXPECT_LT(inside.b, 30);
  EXPECT_LT(readDepth(columnOf(6), kGlTestHeight / 2), 1.0f);
  EXPECT_EQ(readPixel(kGlTestWidth / 2, kGlTestHeight / 2).r, 0);
  EXPECT_EQ(readPixel(columnOf(12), kGlTestHeight / 2).r, 0);
  expectLeftState(before);
}

TEST_F(SphereGl, TranslucentSphereAddsUnlessItIsALight) {
  glClearColor(0, 0, 0.5f, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glBlendFunc(GL_ONE, GL_ZERO);
  Sphere& added = parse("begin\norbit\nradius 8\nalpha 0.5\nend\n");
  const MatrixStacks before = MatrixStacks::now();
  added.draw(camera);
  Pixel p = readPixel(kGlTestWidth / 2, kGlTestHeight / 2);
  EXPECT_GT(p.r, 150);
  EXPECT_NEAR(p.b, 255, 3);  // the background's blue plus the sphere's
  expectLeftState(before);

  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glBlendFunc(GL_ONE, GL_ZERO);
  Sphere& light = parse("begin\norbit\nradius 8\nalpha 0.5\nlight\nend\n");
  light.draw(camera);
  p = readPixel(kGlTestWidth / 2, kGlTestHeight / 2);
  EXPECT_EQ(p.r, 255);
  EXPECT_EQ(p.b, 255);  // full white under the current function, not added at half
  EXPECT_TRUE(isEnabled(GL_LIGHTING));
}

TEST_F(SphereGl, EnvSphereSitsOnTheCameraThroughItsOwnFrustum) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  Sphere& env = parse("begin\nenvironment\nradius 100\nend\n");
  env.position = Vec3(5000, 0, 0);
  const MatrixStacks before = MatrixStacks::now();
  env.draw(camera);
  // Seen from inside all round, unlit white, without touching the depth buffer.
  for (int x : {2, kGlTestWidth / 2, kGlTestWidth - 3}) {
    const Pixel p = readPixel(x, kGlTestHeight / 2);
    EXPECT_EQ(p.r, 255);
    EXPECT_EQ(p.g, 255);
  }
  EXPECT_EQ(readDepth(kGlTestWidth / 2, kGlTestHeight / 2), 1.0f);
  EXPECT_EQ(env.position.z, 30.0f);
  expectLeftState(before);
}

TEST_F(SphereGl, WireSphereIsItsFlatColourOverEverything) {
  CatalogueTexture red("textures\\red.jpg", 255, 0, 0);
  // Something nearer the camera, already in the depth buffer.
  glDisable(GL_LIGHTING);
  glDisable(GL_BLEND);
  glColor3f(0, 0, 1);
  glBegin(GL_QUADS);
  glVertex3f(-20, -20, 20);
  glVertex3f(20, -20, 20);
  glVertex3f(20, 20, 20);
  glVertex3f(-20, 20, 20);
  glEnd();
  glEnable(GL_LIGHTING);
  glEnable(GL_BLEND);

  Sphere& wire = parse(
      "begin\nwire\norbit\nradius 3\ncolor V(0 1 0)\ntexture textures\\red.jpg\nalpha 0.5\nend\n");
  const MatrixStacks before = MatrixStacks::now();
  wire.draw(camera);
  const Pixel p = readPixel(kGlTestWidth / 2, kGlTestHeight / 2);
  EXPECT_EQ(p.r, 0);
  EXPECT_EQ(p.g, 255);
  EXPECT_EQ(p.b, 0);
  EXPECT_EQ(readPixel(2, 2).b, 255);
  expectLeftState(before);
}

TEST_F(SphereGl, MaskSphereWritesDepthOnly) {
  glClearColor(0.5f, 0.5f, 0.5f, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  Sphere& mask = parse("begin\nmask\norbit\nradius 3\nend\n");
  const MatrixStacks before = MatrixStacks::now();
  mask.draw(camera);
  const Pixel p = readPixel(kGlTestWidth / 2, kGlTestHeight / 2);
  EXPECT_NEAR(p.r, 128, 1);
  EXPECT_NEAR(p.g, 128, 1);
  EXPECT_LT(readDepth(kGlTestWidth / 2, kGlTestHeight / 2), 1.0f);
  expectLeftState(before);
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[3], 1.0f);
}

TEST_F(SphereGl, ShellsAndFlashesGiveBackDepthWritesAndTheTextureMode) {
  parse("begin sun\nend\n");
  const char* blocks[] = {
      "begin\natmo\nradius 4\nend\n",
      "begin\nscatter\nradius 4\nend\n",
      "begin\nflash\nrnd\ntexture textures\\flash.tga\nend\n",
      "begin\ndepth\nspecular\nalpha 0.3\nend\n",
      "begin\nsys\nparent sun\norbit\nposition V(10 0 0)\nend\n",
  };
  for (const char* block : blocks) {
    SCOPED_TRACE(block);
    Sphere& s = parse(block);
    s.update(0.3);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const MatrixStacks before = MatrixStacks::now();
    s.draw(camera);
    expectLeftState(before);
    if (s.flash) {
      EXPECT_EQ(textureEnvMode(), GL_MODULATE);
    }
  }
}

TEST_F(SphereGl, SysSphereStandsAtItsParentPlusItsOffset) {
  Sphere& sun = parse("begin sun\norbit\nposition V(0 3 0)\nend\n");
  Sphere& planet = parse("begin\nsys\nparent sun\norbit\nposition V(10 0 0)\nend\n");
  Sphere& orphan = parse("begin\nsys\nparent nobody\norbit\nposition V(10 0 0)\nend\n");
  for (Sphere* s : {&sun, &planet, &orphan}) {
    s->spinSpeed = 0.0f;
    s->update(1.0);
    s->draw(camera);
  }
  EXPECT_FLOAT_EQ(planet.position.x, 10.0f);
  EXPECT_FLOAT_EQ(planet.position.y, 3.0f);
  EXPECT_FLOAT_EQ(orphan.position.x, 10.0f);
  EXPECT_FLOAT_EQ(orphan.position.y, 0.0f);
}
