#pragma once
// mesh_reader.h -- reads a mesh data file, optionally with every vertex turned a little at random

#include <cstdint>
#include <vector>

class DataFile;

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

// Why a mesh data file gave an empty mesh, if it did.
enum class MeshFault { kNone, kShort, kIndexBeyond };

// Reads a whole mesh data file: the three counts, then vertices, faces,
// texture-coordinate indices, texture coordinates and normals. With noise,
// each vertex turns by a random angle of up to 2.6 degrees about a random
// axis through the origin right after it is read. A file shorter than its
// counts promise, or with an index beyond its arrays, gives an empty mesh.
MeshFault readMesh(DataFile& file, MeshArrays& mesh, bool noise);

// The same for the archive member `fileName`; a missing member is empty.
// What is wrong with the member goes to the host (data/load_report.h).
void readMeshMember(const char* fileName, MeshArrays& mesh, bool noise);
