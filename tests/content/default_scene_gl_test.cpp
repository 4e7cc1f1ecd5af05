// The default scene as the build makes it: generated, packed and started
// like the saver starts it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "content/flight_survey.h"
#include "content/generate.h"
#include "data/jpeg_decoder.h"
#include "data/texture_catalogue.h"
#include "data/texture_upload.h"
#include "gl/gl_state.h"
#include "render/frame.h"
#include "render/hud.h"
#include "render/session.h"
#include "render/views.h"
#include "scene/billboard.h"
#include "scene/flame.h"
#include "scene/flare.h"
#include "scene/mesh_object.h"
#include "scene/particle_system.h"
#include "scene/sphere.h"
#include "scene/world.h"
#include "tests/render/render_state.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/scene_start.h"
#include "tests/support/temp_dir.h"
#include "tools/render/scene_run.h"

namespace {

std::vector<unsigned char> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every member of the default data: the text files of the source folder and
// what the generators make, named as the archive names them.
std::vector<RarMember> makeDefaultMembers() {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(generateContent(dir.path(), error).empty()) << error;
  std::vector<RarMember> members;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
    if (!entry.is_regular_file()) continue;
    std::string name = std::filesystem::relative(entry.path(), dir.path()).string();
    for (char& c : name)
      if (c == '/') c = '\\';
    members.push_back({name, readBytes(entry.path())});
  }
  for (const auto& entry : std::filesystem::directory_iterator(ORBIVANE_CONTENT_SOURCE_DIR)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".txt" && name != "CMakeLists.txt")
      members.push_back({name, readBytes(entry.path())});
  }
  return members;
}

const std::vector<RarMember>& defaultMembers() {
  static const std::vector<RarMember> members = makeDefaultMembers();
  return members;
}

std::string memberText(const char* name) {
  for (const RarMember& m : defaultMembers())
    if (m.name == name) return std::string(m.bytes.begin(), m.bytes.end());
  ADD_FAILURE() << "no member " << name;
  return {};
}

const char* const kObjectFiles[] = {"system.txt", "sky.txt", "sunflare.txt"};

// Every picture has power-of-two sides, as OpenGL 1.x textures need.
void expectPowerOfTwoPictures() {
  auto powerOfTwo = [](unsigned n) { return n >= 1 && (n & (n - 1)) == 0; };
  int pictures = 0;
  for (const RarMember& m : defaultMembers()) {
    if (m.name.rfind("textures\\", 0) != 0) continue;
    unsigned width = 0, height = 0;
    if (m.name.size() > 4 && m.name.compare(m.name.size() - 4, 4, ".tga") == 0) {
      ASSERT_GE(m.bytes.size(), 18u);
      width = m.bytes[12] | m.bytes[13] << 8;
      height = m.bytes[14] | m.bytes[15] << 8;
    } else {
      DecodedImage image;
      ASSERT_TRUE(decodeJpegMemory(m.bytes.data(), m.bytes.size(), image, maxTextureSide())) << m.name;
      width = image.width;
      height = image.height;
    }
    EXPECT_TRUE(powerOfTwo(width) && powerOfTwo(height)) << m.name << " " << width << "x" << height;
    ++pictures;
  }
  EXPECT_GE(pictures, 20);
}

struct DefaultSceneGl : GlTest {
  RenderStateGuard guard;

  void start() { startTestScene(3); }
  void TearDown() override { endScene(); }
};

TEST_F(DefaultSceneGl, StartsTheLitSystemWithEveryKindAndEveryNameFound) {
  ArchiveFixture archive(defaultMembers());
  start();
  ASSERT_NE(currentWorld, nullptr);
  EXPECT_STREQ(currentWorld->name, "world");
  EXPECT_TRUE(currentWorld->system);
  ASSERT_NE(currentWorld->firstPass, nullptr);
  ASSERT_NE(currentWorld->postPass, nullptr);
  EXPECT_FALSE(currentWorld->firstPass->empty());
  EXPECT_FALSE(currentWorld->postPass->empty());

  int spheres = 0, billboards = 0, flares = 0, meshes = 0, flames = 0, particles = 0;
  for (const ObjectList* list : {currentWorld->firstPass, &std::as_const(currentWorld->objects), currentWorld->postPass}) {
    for (SceneObject* object : *list) {
      spheres += dynamic_cast<Sphere*>(object) != nullptr;
      billboards += dynamic_cast<Billboard*>(object) != nullptr;
      flares += dynamic_cast<Flare*>(object) != nullptr;
      meshes += dynamic_cast<MeshObject*>(object) != nullptr;
      flames += dynamic_cast<Flame*>(object) != nullptr;
      particles += dynamic_cast<ParticleSystem*>(object) != nullptr;
      if (auto* sphere = dynamic_cast<Sphere*>(object); sphere && sphere->relativeToParent) {
        EXPECT_NE(sphere->parent, nullptr) << sphere->name << " has no parent";
      }
    }
  }
  EXPECT_GE(spheres, 20);
  EXPECT_GT(billboards, 0);
  EXPECT_GT(flares, 0);
  EXPECT_GT(meshes, 0);
  EXPECT_GT(flames, 0);
  EXPECT_EQ(particles, 3);
  EXPECT_NE(loadingImage.glTexture, 0u);
  EXPECT_NE(signImage.glTexture, 0u);
  EXPECT_NE(glyphTexture, 0u);
  expectPowerOfTwoPictures();

  // A misspelt name in an object file would leave an object untextured, and
  // a misspelt parent a billboard, flare or moon without its anchor.
  for (const char* file : kObjectFiles) {
    std::istringstream lines(memberText(file));
    std::string line;
    while (std::getline(lines, line)) {
      char word[64] = "", name[64] = "";
      if (std::sscanf(line.c_str(), " %63s %63s", word, name) != 2) continue;
      const std::string keyword = word;
      if (keyword == "texture" || keyword == "map1") {
        const TextureEntry* entry = findTexture(textureCatalogue, name);
        ASSERT_NE(entry, nullptr) << file << ": " << line;
        EXPECT_NE(entry->glTexture, 0u) << file << ": " << line;
      }
      if (keyword == "parent") {
        EXPECT_NE(findByName(currentWorld->objects, name), nullptr) << file << ": " << line;
      }
    }
  }
}

// The flight starts far out looking at the sun: a bright centre on a dark sky.
TEST_F(DefaultSceneGl, FirstSecondShowsTheSunOnADarkSky) {
  ArchiveFixture archive(defaultMembers());
  start();
  for (int i = 0; i < 20; ++i) makeFrame(0.05);
  // The brightest pixel near the centre is the sun's white-hot disc.
  int red = 0, green = 0;
  for (int y = kGlTestHeight / 2 - 3; y <= kGlTestHeight / 2 + 3; ++y)
    for (int x = kGlTestWidth / 2 - 3; x <= kGlTestWidth / 2 + 3; ++x) {
      const Pixel p = readPixel(x, y);
      if (p.r + p.g > red + green) red = p.r, green = p.g;
    }
  EXPECT_GT(red, 220);
  EXPECT_GT(green, 170);
  long sum = 0;
  for (int y = 0; y < kGlTestHeight; ++y)
    for (int x = 0; x < kGlTestWidth; ++x) {
      const Pixel p = readPixel(x, y);
      sum += p.r + p.g + p.b;
    }
  EXPECT_LT(sum / (kGlTestWidth * kGlTestHeight * 3), 90);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// What the record (gl/gl_state.h) holds, against what OpenGL answers.
void expectRecordHolds(const char* after) {
  const GlState& g = glState;
  auto on = [](GLenum cap) { return glIsEnabled(cap) == GL_TRUE; };
  auto integer = [](GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
  };
  auto matrix = [](GLenum name) {
    Mat4 m;
    glGetFloatv(name, m.m);
    return m;
  };
  auto same = [](const Mat4& a, const Mat4& b) {
    for (int i = 0; i < 16; ++i)
      if (a[i] != b[i]) return false;
    return true;
  };
  EXPECT_EQ(g.lighting, on(GL_LIGHTING)) << after;
  EXPECT_EQ(g.texturing, on(GL_TEXTURE_2D)) << after;
  EXPECT_EQ(g.blending, on(GL_BLEND)) << after;
  EXPECT_EQ(g.depthTest, on(GL_DEPTH_TEST)) << after;
  EXPECT_EQ(g.depthWrites, integer(GL_DEPTH_WRITEMASK) == GL_TRUE) << after;
  EXPECT_EQ(GLint(g.blendSource), integer(GL_BLEND_SRC)) << after;
  EXPECT_EQ(GLint(g.blendDestination), integer(GL_BLEND_DST)) << after;
  EXPECT_EQ(GLint(g.boundTexture), integer(GL_TEXTURE_BINDING_2D)) << after;
  GLint envMode = 0;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &envMode);
  EXPECT_EQ(g.textureEnvMode, envMode) << after;
  if (g.colourKnown) {
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g.colour[i], colour[i]) << after;
  }
  if (g.textureMatrixIdentity) {
    EXPECT_TRUE(same(matrix(GL_TEXTURE_MATRIX), identityMatrix())) << after;
  }
  EXPECT_TRUE(same(matrix(GL_PROJECTION_MATRIX), g.projection)) << after;
  EXPECT_TRUE(same(matrix(GL_MODELVIEW_MATRIX), g.cameraView)) << after;
}

// The renderer never asks OpenGL for its state: after every object's draw
// the record holds what OpenGL holds, and the model-view is the camera's.
TEST_F(DefaultSceneGl, TheStateRecordHoldsWhatOpenGLHoldsAfterEveryObject) {
  ArchiveFixture archive(defaultMembers());
  start();
  for (int i = 0; i < 40; ++i) makeFrame(0.05);
  CameraDirector& camera = views[0].camera;
  lookThroughCamera(camera);
  expectRecordHolds("the camera's view");
  for (const SceneList* list : {&firstPassList, &worldObjectList, &postPassList}) {
    for (SceneObject* object : *list) {
      object->draw(camera);
      expectRecordHolds(object->name);
    }
  }
}

// The camera keeps clear of every sphere, shells included, wherever a moon's
// circle takes it: over 40 flights of 20 minutes, never nearer than 1.3
// radii to a centre.
TEST_F(DefaultSceneGl, FlightsNeverEnterABody) {
  ArchiveFixture archive(defaultMembers());
  start();
  ASSERT_NE(currentWorld, nullptr);
  const std::vector<Sphere*> bodies = surveyedSpheres(currentWorld->objects);
  ASSERT_GE(bodies.size(), 20u);
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    const FlightSurvey survey = surveyFlight(bodies, flyCamera(seed, 0.05, 24000), 0.05, 0);
    for (std::size_t b = 0; b < bodies.size(); ++b)
      EXPECT_GT(survey.closestRadii[b], 1.3) << bodies[b]->name << ", seed " << seed;
  }
}

}  // namespace
