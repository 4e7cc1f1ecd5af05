#include "scene/environment.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tests/support/temp_dir.h"

namespace {

// An object file of one sphere a name.
RarMember objectFile(const std::string& name, std::initializer_list<const char*> spheres) {
  std::string text;
  for (const char* sphere : spheres) text += std::string("sphere\nbegin ") + sphere + "\nend\n";
  return textMember(name, text + "ENDWORLD\n");
}

std::string names(const ObjectList& list) {
  std::string out;
  for (const SceneObject* object : list) out += std::string(out.empty() ? "" : " ") + object->name;
  return out;
}

}  // namespace

TEST(Environments, BlocksFillTheirPassListsInLineOrder) {
  ArchiveFixture archive({textMember("env.txt",
                                     "env space\nfirstpass a.txt\npostpass b.txt\nend\n"
                                     "between the blocks\n"
                                     "env deep\nfirstpass b.txt\nfirstpass a.txt\nend\n"
                                     "env bare\nend\nENV_END\n"),
                          objectFile("a.txt", {"sky", "stars"}), objectFile("b.txt", {"glow"})});
  EnvironmentList environments;
  loadEnvironments(environments, "env.txt");
  ASSERT_EQ(environments.size(), 3u);
  const Environment& space = *environments[0];
  EXPECT_STREQ(space.name, "space");
  EXPECT_EQ(names(space.firstPass), "sky stars");
  EXPECT_EQ(names(space.postPass), "glow");
  EXPECT_EQ(names(environments[1]->firstPass), "glow sky stars");
  EXPECT_TRUE(environments[1]->postPass.empty());
  EXPECT_TRUE(environments[2]->firstPass.empty());
  // The same file named twice gives separate objects.
  EXPECT_NE(space.firstPass[0], environments[1]->firstPass[1]);
}

TEST(Environments, OnlyATerminatorOutsideABlockEndsTheFile) {
  ArchiveFixture archive({textMember("env.txt",
                                     "envy a\nENV_END\nend\n"
                                     "env b\nend\nENV_END\nenv c\nend\n")});
  EnvironmentList environments;
  loadEnvironments(environments, "env.txt");
  ASSERT_EQ(environments.size(), 2u);
  EXPECT_STREQ(environments[0]->name, "a");  // "env" is a prefix
  EXPECT_STREQ(environments[1]->name, "b");
}

TEST(Environments, UnterminatedOrMissingFilesStopAtTheEndOfTheData) {
  ArchiveFixture archive({textMember("open.txt",
                                     "env a_name_longer_than_nineteen\nfirstpass a.txt\npostpass"),
                          textMember("noend.txt", "env x\nend\n"), objectFile("a.txt", {"sky"})});
  EnvironmentList environments;
  loadEnvironments(environments, "open.txt");
  ASSERT_EQ(environments.size(), 1u);
  EXPECT_STREQ(environments[0]->name, "a_name_longer_than_");
  EXPECT_EQ(names(environments[0]->firstPass), "sky");
  loadEnvironments(environments, "noend.txt");
  loadEnvironments(environments, "missing.txt");
  EXPECT_EQ(environments.size(), 2u);
}
