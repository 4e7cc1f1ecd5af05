#pragma once
// textures.h -- every picture of the default scene, painted from fixed seeds

#include <string>
#include <vector>

#include "content/image.h"

// One generated picture and the archive member it becomes.
struct Picture {
  std::string member;  // e.g. "textures\rock.jpg"; ".tga" members keep alpha
  Image image;
};

// Every picture of the default scene, painted from fixed seeds.
std::vector<Picture> makePictures();

// The pictures of the small example scene (examples/minimal), smaller
// cousins of the default scene's.
std::vector<Picture> makeExamplePictures();

// The 4 x 4 glyph grid: '0'-'9', ':', the morning and afternoon markers,
// white on black, cell n at column n mod 4, row n div 4 from the top.
Image makeGlyphs(int size);
