#pragma once
// mesh_lists.h -- the display lists built from mesh data files, and the sphere mesh kept in memory

#include <cstdint>

#include "data/mesh_reader.h"

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

// The sphere mesh kept for immediate-mode drawing.
extern MeshArrays retainedSphereMesh;

void loadMeshList(DisplayListHolder& holder, const char* fileName, bool noise);
void buildAtmosphereLists(const char* fileName);
void loadRetainedMesh(const char* fileName);

// Deletes every display list built here since the last call (the current
// context's) and sets the holders and list names to 0.
void deleteMeshLists();
