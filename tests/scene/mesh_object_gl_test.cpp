#include <gtest/gtest.h>

#include <cstdio>

#include "camera/camera_director.h"
#include "data/mesh_lists.h"
#include "data/texture_catalogue.h"
#include "scene/mesh_object.h"
#include "scene/parsers.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/scene_blocks.h"

namespace {

class MeshObjectTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    savedGeometry_ = geometryList;
    glMatrixMode(GL_PROJECTION);
    glOrtho(-4, 4, -4, 4, -4, 4);
    glMatrixMode(GL_MODELVIEW);
  }
  void TearDown() override {
    for (GLuint list : lists_) glDeleteLists(list, 1);
    geometryList = savedGeometry_;
  }

  MeshObject* parse(const std::string& text) { return parseText<MeshObject>(objects, text); }

  // Makes `draw` the current geometry, as a "geometry" line would.
  template <class Draw>
  void setGeometry(Draw draw) {
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    draw();
    glEndList();
    lists_.push_back(list);
    geometryList.displayList = list;
  }

  // Facing the camera once the default frame carries local y to x and local z to y.
  static void fullScreenQuad() {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(0, -3, -3);
    glVertex3f(0, 3, -3);
    glVertex3f(0, 3, 3);
    glVertex3f(0, -3, 3);
    glEnd();
  }

  ObjectList objects;
  CameraDirector camera;
  std::vector<GLuint> lists_;
  DisplayListHolder savedGeometry_;
};

TEST_F(MeshObjectTest, MaterialBlockConsumesFourLinesAndTestsTheLastLikeAnyLine) {
  addCatalogueEntry("textures\\hull.tga", 31);
  MeshObject* full = parse("begin station\nmaterial\n\tmetal\n\tchrome\n\tmap1 textures\\hull.tga\n\tmap2 x\nend\n");
  MeshObject* plain = parse("begin\nmaterial\nend\nend\nend\nscale 5\nend\nscale 7\n");
  MeshObject* lastLine = parse("begin\nmaterial\n\t\n\t\n\t\nposition V(1 2 3)\nscale 3\nend\n");
  MeshObject* endsInside = parse("begin\nmaterial\n\t\n\t\n\t\nend\nscale 9\nend\n");
  textureCatalogue.deleteAll();

  EXPECT_STREQ(full->name, "station");
  EXPECT_TRUE(full->metal);
  EXPECT_TRUE(full->chrome);
  EXPECT_TRUE(full->hasTexture);
  EXPECT_EQ(full->texture, 31u);
  EXPECT_TRUE(full->alphaTexture);

  EXPECT_STREQ(plain->name, "");
  EXPECT_FALSE(plain->metal);
  EXPECT_FALSE(plain->chrome);
  EXPECT_FALSE(plain->hasTexture);
  EXPECT_FLOAT_EQ(plain->scale, 5.0f);  // tested on the fourth line

  EXPECT_FLOAT_EQ(lastLine->position.y, 0.0f);  // placement keywords skip the fourth line
  EXPECT_FLOAT_EQ(lastLine->scale, 3.0f);

  EXPECT_FLOAT_EQ(endsInside->scale, 1.0f);  // the fourth line ended the block
}

TEST_F(MeshObjectTest, TakesTheGeometryOfTheMomentAndKeepsValuesOfShortLines) {
  geometryList.displayList = 12;
  MeshObject* first = parse("begin\norient V(1 0 0)\nscale\ncolor V(0.5 0.5)\nend\n");
  geometryList.displayList = 13;
  MeshObject* second = parse("begin\nend\n");
  EXPECT_EQ(first->displayList, 12u);
  EXPECT_EQ(second->displayList, 13u);
  EXPECT_FLOAT_EQ(first->orientAxis.x, 1.0f);
  EXPECT_FLOAT_EQ(first->orientAngle, 0.0f);
  EXPECT_FLOAT_EQ(first->scale, 1.0f);
  EXPECT_FLOAT_EQ(first->colour.y, 1.0f);
  second->update(5.0);
  EXPECT_FLOAT_EQ(second->scale, 1.0f);
  EXPECT_EQ(second->displayList, 13u);
}

TEST_F(MeshObjectTest, LocalAxesAreCarriedToTheFrameThenTurnedScaledAndPlaced) {
  // A red point at local (1 0 0), a green one at local (0 1 0).
  setGeometry([] {
    glBegin(GL_POINTS);
    glColor3f(1, 0, 0);
    glVertex3f(1, 0, 0);
    glColor3f(0, 1, 0);
    glVertex3f(0, 1, 0);
    glEnd();
  });
  MeshObject* plain = parse("begin\nend\n");
  MeshObject* turned =
      parse("begin\nlook V(1 0 0)\nright V(0 1 0)\norient V(0 1 0) 90\nscale 2\nposition V(0 1 0)\nend\n");
  glPointSize(3);
  // Draws with the view as it is, or turned so that world z runs along the screen's x.
  auto drawSeen = [&](MeshObject* mesh, bool alongZ) {
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glDisable(GL_LIGHTING);  // the draw before left it on
    if (alongZ) glRotatef(90, 0, 1, 0);
    mesh->draw(camera);
  };
  // 8 pixels per unit across, 6 up; the origin at (32, 24).
  drawSeen(plain, false);  // local x went to (0 0 1), local y to (1 0 0)
  EXPECT_EQ(readPixel(32, 24).r, 255);
  EXPECT_EQ(readPixel(40, 24).g, 255);
  drawSeen(plain, true);
  EXPECT_EQ(readPixel(40, 24).r, 255);
  EXPECT_EQ(readPixel(32, 24).g, 255);

  // (1 0 0) scaled by 2, turned 90 degrees about y to (0 0 -2), raised by 1.
  drawSeen(turned, false);
  EXPECT_EQ(readPixel(32, 30).r, 255);
  drawSeen(turned, true);
  EXPECT_EQ(readPixel(16, 30).r, 255);
  EXPECT_EQ(readPixel(48, 30).r, 0);
  glPointSize(1);
}

TEST_F(MeshObjectTest, BlendTakesItsOpacityFromTheRedComponent) {
  setGeometry(fullScreenQuad);
  MeshObject* opaque = parse("begin\ncolor V(0.5 1 1)\nend\n");
  MeshObject* glass = parse("begin\nblend\ncolor V(0.5 1 1)\nend\n");
  MeshObject* faint = parse("begin\nblend\ncolor V(0.25 0 0)\nend\n");
  opaque->draw(camera);
  EXPECT_EQ(readPixel(32, 24).g, 255);
  for (MeshObject* mesh : {glass, faint}) {
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);  // the draw before left it on
    mesh->draw(camera);
    EXPECT_NEAR(readPixel(32, 24).g, 255 * mesh->colour.x, 2);
  }
}

TEST_F(MeshObjectTest, LightAddsTheTextureToTheLitColour) {
  GLuint grey = 0;
  glGenTextures(1, &grey);
  glBindTexture(GL_TEXTURE_2D, grey);
  const unsigned char texel[4] = {128, 128, 128, 255};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glBindTexture(GL_TEXTURE_2D, 0);
  addCatalogueEntry("textures\\grey.jpg", grey);
  setGeometry(fullScreenQuad);
  MeshObject* modulated = parse("begin\nmaterial\n\t\n\t\n\tmap1 textures\\grey.jpg\n\t\nend\n");
  MeshObject* added = parse("begin\nlight\nmaterial\n\t\n\t\n\tmap1 textures\\grey.jpg\n\t\nend\n");
  textureCatalogue.deleteAll();

  // No light is on, so the lit colour is nearly black.
  glEnable(GL_LIGHTING);
  modulated->draw(camera);
  EXPECT_LT(readPixel(32, 24).r, 16);
  glClear(GL_COLOR_BUFFER_BIT);
  added->draw(camera);
  EXPECT_NEAR(readPixel(32, 24).r, 128 + 10, 8);
  // The textures of the objects drawn after it are modulated again.
  GLint mode = 0;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
  EXPECT_EQ(mode, GL_MODULATE);
  glDeleteTextures(1, &grey);
}

TEST_F(MeshObjectTest, LeavesTheStateTheOtherKindsExpect) {
  setGeometry(fullScreenQuad);
  MeshObject* shiny = parse("begin\nillum\nblend\nmaterial\n\tmetal\n\t\n\t\n\t\nend\n");
  glEnable(GL_CULL_FACE);
  glEnable(GL_FOG);
  glEnable(GL_TEXTURE_GEN_S);
  glEnable(GL_COLOR_MATERIAL);
  GLint depthBefore = 0, depthAfter = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
  shiny->draw(camera);
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
  EXPECT_EQ(depthAfter, depthBefore);

  for (GLenum on : {GL_ALPHA_TEST, GL_BLEND, GL_LIGHTING, GL_TEXTURE_2D}) EXPECT_TRUE(glIsEnabled(on)) << on;
  for (GLenum off : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_FOG, GL_CULL_FACE, GL_LIGHT0, GL_COLOR_MATERIAL})
    EXPECT_FALSE(glIsEnabled(off)) << off;
  GLboolean depthWrites = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
  EXPECT_TRUE(depthWrites);
  GLint source = 0, destination = 0;
  glGetIntegerv(GL_BLEND_SRC, &source);
  glGetIntegerv(GL_BLEND_DST, &destination);
  EXPECT_EQ(source, GL_SRC_ALPHA);
  EXPECT_EQ(destination, GL_ONE);
  GLfloat specular[4] = {};
  glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
  EXPECT_FLOAT_EQ(specular[0], 0.4f);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
