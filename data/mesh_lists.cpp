#include "data/mesh_lists.h"

DisplayListHolder envList;
DisplayListHolder sphereList;
DisplayListHolder noisedSphereList;
DisplayListHolder geometryList;
std::uint32_t atmosphereList = 0;
std::uint32_t scatterList = 0;
MeshArrays retainedSphereMesh;
