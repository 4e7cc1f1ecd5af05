#include "scene/world.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/temp_dir.h"

namespace {

// The worlds and environments of a test, deleted with their objects.
struct LoadedScene {
  EnvironmentList environments;
  WorldList worlds;
};

const RarMember kEnvFile = textMember("env.txt", "env space\nfirstpass sky.txt\nend\nENV_END\n");
const RarMember kSky = textMember("sky.txt", "sphere\nbegin sky\nend\nENDWORLD\n");
const RarMember kPlanets = textMember("b.txt", "sphere\nbegin sun\nend\nsphere\nbegin earth\nend\n");
const RarMember kMoons =
    textMember("c.txt", "sphere\nbegin moon\nparent earth\nsys\nend\nENDWORLD\n");

}  // namespace

TEST(Worlds, BlockLinksItsEnvironmentAndLoadsItsObjects) {
  ArchiveFixture archive({kEnvFile, kSky, kPlanets, kMoons,
                          textMember("worlds.txt",
                                     "world A\nenv space\nobjects b.txt\nobjects c.txt\nsystem\n"
                                     "scenedir solar\nend\n"
                                     "text between worlds\n"
                                     "world B\nenv nowhere\nend\nWORLD_END\n")});
  LoadedScene scene;
  loadEnvironments(scene.environments, "env.txt");
  loadWorlds(scene.worlds, scene.environments, "worlds.txt");
  ASSERT_EQ(scene.worlds.size(), 2u);
  const World& a = *scene.worlds[0];
  EXPECT_STREQ(a.name, "A");
  EXPECT_EQ(a.firstPass, &scene.environments[0]->firstPass);
  EXPECT_EQ(a.postPass, &scene.environments[0]->postPass);
  ASSERT_EQ(a.objects.size(), 3u);
  EXPECT_STREQ(a.objects[2]->name, "moon");
  // A parent resolves within the world's list, across its object files.
  EXPECT_EQ(a.objects[2]->parent, a.objects[1]);
  EXPECT_TRUE(a.system);
  EXPECT_STREQ(a.sceneDir, "solar");

  const World& b = *scene.worlds[1];
  EXPECT_FALSE(b.system);
  EXPECT_EQ(b.firstPass, nullptr);
  EXPECT_EQ(b.postPass, nullptr);
  EXPECT_TRUE(b.objects.empty());
}

TEST(Worlds, TerminatorInsideABlockAndUnterminatedFiles) {
  ArchiveFixture archive({kEnvFile, kSky, kPlanets,
                          textMember("worlds.txt",
                                     "world A\nWORLD_END\nobjects b.txt\nend\n"
                                     "world a_world_name_of_more_than_19\n"
                                     "scenedir a_scene_folder_name_that_runs_past_forty_nine_letters\n"
                                     "objects b.txt")});
  LoadedScene scene;
  loadEnvironments(scene.environments, "env.txt");
  loadWorlds(scene.worlds, scene.environments, "worlds.txt");
  loadWorlds(scene.worlds, scene.environments, "missing.txt");
  ASSERT_EQ(scene.worlds.size(), 2u);
  EXPECT_EQ(scene.worlds[0]->objects.size(), 2u);
  EXPECT_STREQ(scene.worlds[1]->name, "a_world_name_of_mor");
  EXPECT_EQ(std::strlen(scene.worlds[1]->sceneDir), 49u);
  EXPECT_EQ(scene.worlds[1]->objects.size(), 2u);
}
