#pragma once
// image_files.h -- pictures as TGA and JPEG bytes

#include <string>
#include <vector>

#include "content/image.h"

// TGA image bytes: 32-bit uncompressed true colour, bottom row first, each
// pixel blue, green, red, alpha (the image's top row is the last stored).
std::vector<unsigned char> encodeTga(const Image& image);

// Baseline JPEG bytes of the picture's colour (alpha is dropped).
std::vector<unsigned char> encodeJpeg(const Image& image, int quality);

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes);
