#pragma once
// mesh_lists.h -- the display lists built from mesh data files, and the sphere mesh kept in memory

#include <cstdint>
#include <vector>

// Holds the display list built from a mesh data file.
struct DisplayListHolder {
  std::uint32_t displayList = 0;
};

extern DisplayListHolder envList;           // "meshes\env.dat"
extern DisplayListHolder sphereList;        // "meshes\sphere.dat"
extern DisplayListHolder noisedSphereList;  // the sphere, vertices jittered
extern DisplayListHolder geometryList;      // the latest "geometry" line's mesh
extern std::uint32_t atmosphereList;        // the sphere, alpha 3x^2 - 0.6
extern std::uint32_t scatterList;           // the sphere, alpha 1.6x + 1.4

// A mesh data file in memory: vertices, faces with vertex and texture
// indices, texture coordinates and three normals per face.
struct MeshArrays {
  std::vector<float> x, y, z;                 // nv each
  std::vector<std::uint32_t> a, b, c;         // nf each: vertex indices
  std::vector<std::uint32_t> ta, tb, tc;      // nf each: texture-coordinate indices
  std::vector<float> u, v;                    // nt each
  std::vector<float> normals;                 // 9 per face: a's, b's, c's x y z
  std::uint32_t faceCount = 0;
};

// The sphere mesh kept for immediate-mode drawing.
extern MeshArrays retainedSphereMesh;

void loadMeshList(DisplayListHolder& holder, const char* fileName, bool noise);
void buildAtmosphereLists(const char* fileName);
void loadRetainedMesh(const char* fileName);
