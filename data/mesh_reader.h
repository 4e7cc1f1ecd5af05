#pragma once
// mesh_reader.h -- reads a mesh data file, optionally with every vertex turned a little at random

#include "data/mesh_lists.h"

class DataFile;

// Reads a whole mesh data file: the three counts, then vertices, faces,
// texture-coordinate indices, texture coordinates and normals. With noise,
// each vertex turns by a random angle of up to 2.6 degrees about a random
// axis through the origin right after it is read. A file shorter than its
// counts promise, or with an index beyond its arrays, gives an empty mesh.
void readMesh(DataFile& file, MeshArrays& mesh, bool noise);

// The same for the archive member `fileName`; a missing member is empty.
void readMeshMember(const char* fileName, MeshArrays& mesh, bool noise);
