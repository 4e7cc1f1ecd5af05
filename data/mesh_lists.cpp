// mesh_lists.cpp -- the display lists built from mesh data files, and the sphere mesh kept in memory
#include "data/mesh_lists.h"

#include <vector>

#include "gl/gl.h"

DisplayListHolder envList;
DisplayListHolder sphereList;
DisplayListHolder noisedSphereList;
DisplayListHolder geometryList;
std::uint32_t atmosphereList = 0;
std::uint32_t scatterList = 0;
MeshArrays retainedSphereMesh;

namespace {

std::vector<GLuint> builtLists;

GLuint newList() {
  const GLuint list = glGenLists(1);
  if (list != 0) builtLists.push_back(list);
  return list;
}

// What colour, if any, precedes each corner.
enum class CornerColour { kNone, kAtmosphere, kScatter };

void compileList(GLuint list, const MeshArrays& mesh, CornerColour colour) {
  GLint matrixMode = GL_MODELVIEW;
  glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glNewList(list, GL_COMPILE);
  glBegin(GL_TRIANGLES);
  for (std::uint32_t f = 0; f < mesh.faceCount; ++f) {
    const std::uint32_t vertex[3] = {mesh.a[f], mesh.b[f], mesh.c[f]};
    const std::uint32_t texel[3] = {mesh.ta[f], mesh.tb[f], mesh.tc[f]};
    for (int k = 0; k < 3; ++k) {
      const float x = mesh.x[vertex[k]];
      // Alpha beyond 0..1 is left to OpenGL to clamp.
      if (colour == CornerColour::kAtmosphere) glColor4f(1, 1, 1, 3 * x * x - 0.6f);
      if (colour == CornerColour::kScatter) glColor4f(1, 1, 1, 1.6f * x + 1.4f);
      glNormal3fv(&mesh.normals[std::size_t(f) * 9 + std::size_t(k) * 3]);
      glTexCoord2f(mesh.u[texel[k]], mesh.v[texel[k]]);
      glVertex3f(x, mesh.y[vertex[k]], mesh.z[vertex[k]]);
    }
  }
  glEnd();
  glEndList();
  glPopMatrix();
  glMatrixMode(GLenum(matrixMode));
  glFinish();
}

}  // namespace

void loadMeshList(DisplayListHolder& holder, const char* fileName, bool noise) {
  const GLuint list = newList();
  if (list == 0) return;
  MeshArrays mesh;
  readMeshMember(fileName, mesh, noise);
  compileList(list, mesh, CornerColour::kNone);
  holder.displayList = list;
}

void buildAtmosphereLists(const char* fileName) {
  const GLuint atmosphere = newList();
  if (atmosphere == 0) return;
  const GLuint scatter = newList();
  MeshArrays mesh;
  readMeshMember(fileName, mesh, false);
  compileList(atmosphere, mesh, CornerColour::kAtmosphere);
  atmosphereList = atmosphere;
  if (scatter != 0) {
    compileList(scatter, mesh, CornerColour::kScatter);
    scatterList = scatter;
  }
}

void loadRetainedMesh(const char* fileName) { readMeshMember(fileName, retainedSphereMesh, false); }

void deleteMeshLists() {
  for (GLuint list : builtLists) glDeleteLists(list, 1);
  builtLists.clear();
  for (DisplayListHolder* holder : {&envList, &sphereList, &noisedSphereList, &geometryList})
    holder->displayList = 0;
  atmosphereList = 0;
  scatterList = 0;
}
