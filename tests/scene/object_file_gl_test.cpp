#include "scene/object_file.h"

#include "data/mesh_lists.h"
#include "scene/mesh_object.h"
#include "scene/sphere.h"
#include "tests/data/data_fixtures.h"
#include "tests/data/host_log.h"
#include "tests/support/gl_fixture.h"
#include "tests/support/object_text.h"
#include "tests/support/temp_dir.h"

using ObjectFileGl = GlTest;

TEST_F(ObjectFileGl, GeometryLinesGiveTheBlocksAfterThemTheirMesh) {
  ArchiveFixture archive({{"meshes\\a.dat", meshFile(sphereMesh(4))},
                          {"meshes\\b.dat", meshFile(sphereMesh(6))},
                          textMember("objects.txt",
                                     "geometry meshes\\a.dat\n"
                                     "mesh\nbegin first\nend\nsphere\nbegin\nlist\nend\n"
                                     "geometry meshes\\b.dat\n"
                                     "mesh\nbegin second\nend\nsphere\nbegin\nlist\nend\n"
                                     "geometry\nENDWORLD\n")});
  HostLog log;
  ObjectList objects;
  loadObjectFile(objects, "objects.txt");
  ASSERT_EQ(objects.size(), 4u);
  auto* first = dynamic_cast<MeshObject*>(objects[0]);
  auto* second = dynamic_cast<MeshObject*>(objects[2]);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(first->name, "first");
  EXPECT_NE(first->displayList, 0u);
  EXPECT_NE(second->displayList, first->displayList);
  EXPECT_EQ(second->displayList, geometryList.displayList);  // a bare "geometry" keeps it
  EXPECT_EQ(static_cast<Sphere*>(objects[1])->displayList, first->displayList);
  EXPECT_EQ(static_cast<Sphere*>(objects[3])->displayList, second->displayList);
  EXPECT_TRUE(glIsList(first->displayList));
  EXPECT_EQ(log.loadingSteps, 7);
  glDeleteLists(first->displayList, 1);
  glDeleteLists(second->displayList, 1);
}
