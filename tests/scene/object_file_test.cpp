#include "scene/object_file.h"

#include <gtest/gtest.h>

#include "data/data_file.h"
#include "scene/billboard.h"
#include "scene/particle_system.h"
#include "scene/sphere.h"
#include "tests/data/host_log.h"
#include "tests/support/object_text.h"
#include "tests/support/temp_dir.h"

namespace {

Sphere* sphereAt(const ObjectList& list, std::size_t i) { return dynamic_cast<Sphere*>(list.items().at(i)); }

}  // namespace

TEST(ObjectLines, KeywordsArePrefixesTriedInTableOrder) {
  EXPECT_EQ(classifyObjectLine("sphere"), kSphereLine);
  EXPECT_EQ(classifyObjectLine("spheres of the sky"), kSphereLine);
  EXPECT_EQ(classifyObjectLine("billboard"), kBillboardLine);
  EXPECT_EQ(classifyObjectLine("flare 2"), kFlareLine);
  EXPECT_EQ(classifyObjectLine("meshes"), kMeshLine);
  EXPECT_EQ(classifyObjectLine("flame"), kFlameLine);
  EXPECT_EQ(classifyObjectLine("psychedelic"), kParticleSystemLine);
  EXPECT_EQ(classifyObjectLine("ENDWORLD"), kEndOfObjectsLine);
  EXPECT_EQ(classifyObjectLine("geometry meshes\\a.dat"), kGeometryLine);
  EXPECT_EQ(classifyObjectLine("Sphere"), kIgnoredLine);
  EXPECT_EQ(classifyObjectLine(" sphere"), kIgnoredLine);
  EXPECT_EQ(classifyObjectLine("endworld"), kIgnoredLine);
  EXPECT_EQ(classifyObjectLine(""), kIgnoredLine);
}

TEST(ObjectFile, BlocksBecomeObjectsInFileOrderUpToTheTerminator) {
  ArchiveFixture archive({textMember("objects.txt",
                                     "a free line of text\n"
                                     "sphere\nbegin sun\nend\n"
                                     "billboard\nnotes before the block\nbegin\nparent sun V(0 1 0)\nend\n"
                                     "Sphere\nbegin ignored\nend\n"
                                     "psx\nbegin\nend\n"
                                     "ENDWORLD\n"
                                     "sphere\nbegin after\nend\n")});
  HostLog log;
  ObjectList objects;
  loadObjectFile(objects, "objects.txt");
  ASSERT_EQ(objects.size(), 3u);
  ASSERT_NE(sphereAt(objects, 0), nullptr);
  EXPECT_STREQ(objects[0]->name, "sun");
  auto* billboard = dynamic_cast<Billboard*>(objects[1]);
  ASSERT_NE(billboard, nullptr);
  EXPECT_EQ(billboard->anchor, objects[0]);
  EXPECT_NE(dynamic_cast<ParticleSystem*>(objects[2]), nullptr);
  EXPECT_EQ(log.loadingSteps, 3);
  EXPECT_EQ(objectFileReader.data, nullptr);  // closed again
  EXPECT_EQ(objectFileReader.position, 0u);
}

TEST(ObjectFile, ATerminatorAloneSendsNoLoadingStep) {
  ArchiveFixture archive({textMember("end.txt", "ENDWORLD\n"), textMember("empty.txt", "")});
  HostLog log;
  ObjectList objects;
  loadObjectFile(objects, "end.txt");
  loadObjectFile(objects, "empty.txt");
  loadObjectFile(objects, "missing.txt");
  EXPECT_TRUE(objects.empty());
  EXPECT_EQ(log.loadingSteps, 0);
}

TEST(ObjectFile, UnterminatedFilesAndBlocksEndWithTheData) {
  ArchiveFixture archive({textMember("open.txt", "sphere\nbegin a\nend\nsphere\nbegin b\nradius 2"),
                          textMember("nobegin.txt", "sphere\nradius 2\nend\n"),
                          textMember("last.txt", "sphere\nbegin c\nend\nsphere")});
  HostLog log;
  ObjectList objects;
  loadObjectFile(objects, "open.txt");
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(sphereAt(objects, 1)->radius, 2.0f);
  loadObjectFile(objects, "nobegin.txt");
  ASSERT_EQ(objects.size(), 3u);  // a block that never begins: the kind's defaults
  EXPECT_EQ(sphereAt(objects, 2)->radius, Sphere().radius);
  loadObjectFile(objects, "last.txt");  // a type line as the very last line
  ASSERT_EQ(objects.size(), 5u);
  EXPECT_STREQ(objects[3]->name, "c");
  EXPECT_EQ(log.loadingSteps, 5);
}

TEST(ObjectFile, EachFileStartsTheSphereCarryAfresh) {
  const char* text =
      "sphere\nbegin\nmoon\nflash\ntexture textures\\a.tga\nend\n"
      "sphere\nbegin\nmoon\nflash\nend\nENDWORLD\n";
  ArchiveFixture archive({textMember("a.txt", text), textMember("b.txt", text)});
  ObjectList objects;
  loadObjectFile(objects, "a.txt");
  loadObjectFile(objects, "b.txt");
  ASSERT_EQ(objects.size(), 4u);
  for (std::size_t first : {0u, 2u}) {
    SCOPED_TRACE(first);
    EXPECT_EQ(sphereAt(objects, first)->moonSpeed, 2.0f);
    EXPECT_EQ(sphereAt(objects, first + 1)->moonSpeed, 1.5f);
    EXPECT_EQ(sphereAt(objects, first)->flashTime, 0.0f);
    EXPECT_EQ(sphereAt(objects, first + 1)->flashTime, 0.25f);
    EXPECT_TRUE(sphereAt(objects, first + 1)->alphaTexture);
  }
}
