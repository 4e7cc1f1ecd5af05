// jpeg_decoder.cpp -- JPEG members decoded from memory and uploaded as textures
#include "data/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

#include "data/data_file.h"
#include "data/texture_upload.h"
#include "host/host.h"

namespace {

// The library's error manager, quiet, with a way back out of a fatal error.
struct QuietErrors {
  jpeg_error_mgr manager;  // first: the library hands us a pointer to it
  std::jmp_buf escape;
};

void discardMessage(j_common_ptr) {}

[[noreturn]] void escapeFromFatalError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<QuietErrors*>(cinfo->err)->escape, 1);
}

// A source over one buffer. When the decoder wants more than there is, it
// gets an end-of-image marker, so truncated data ends the image cleanly.
const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr cinfo) {
  WARNMS(cinfo, JWRN_JPEG_EOF);
  cinfo->src->next_input_byte = kEndOfImage;
  cinfo->src->bytes_in_buffer = sizeof kEndOfImage;
  return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count) {
  jpeg_source_mgr* src = cinfo->src;
  if (count <= 0) return;
  if (static_cast<unsigned long>(count) >= src->bytes_in_buffer) {
    src->next_input_byte += src->bytes_in_buffer;
    src->bytes_in_buffer = 0;  // the next read ends the data
    return;
  }
  src->next_input_byte += count;
  src->bytes_in_buffer -= std::size_t(count);
}

// A Huffman-coded scan spends at least one bit on every 8 x 8 block, so
// each byte of a member holds at most 8 blocks of 64 pixels. A header that
// declares more is a lie that would cost time and memory to decode.
constexpr std::uint64_t kMaxPixelsPerByte = 8 * 64;

// The smallest of the decoder's scales 1, 1/2, 1/4 and 1/8 at which both
// sides fit `maxSide`; 0 when none does.
unsigned scaleDenominator(std::uint32_t width, std::uint32_t height, std::uint32_t maxSide) {
  for (unsigned denominator = 1; denominator <= 8; denominator *= 2)
    if ((width + denominator - 1) / denominator <= maxSide &&
        (height + denominator - 1) / denominator <= maxSide)
      return denominator;
  return 0;
}

// Everything that may end in a fatal error; kept apart so that the jump
// back lands in a frame that holds nothing to clean up.
bool decompress(jpeg_decompress_struct& cinfo, QuietErrors& errors, jpeg_source_mgr& source,
                std::size_t size, std::uint32_t maxSide, DecodedImage& image) {
  if (setjmp(errors.escape)) return false;
  jpeg_create_decompress(&cinfo);  // clears everything but the error manager
  cinfo.src = &source;
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  const std::uint64_t pixels = std::uint64_t(cinfo.image_width) * cinfo.image_height;
  if (pixels > kMaxImagePixels || pixels > kMaxPixelsPerByte * size) return false;
  const unsigned denominator = scaleDenominator(cinfo.image_width, cinfo.image_height, maxSide);
  if (denominator == 0) return false;
  cinfo.scale_num = 1;
  cinfo.scale_denom = denominator;
  jpeg_start_decompress(&cinfo);

  const std::uint32_t width = cinfo.output_width, height = cinfo.output_height;
  const std::uint32_t stride = width * std::uint32_t(cinfo.output_components);
  image.pixels.assign(std::size_t(stride) * height, 0);
  while (cinfo.output_scanline < height) {
    JSAMPROW row = image.pixels.data() + std::size_t(height - 1 - cinfo.output_scanline) * stride;
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) return false;
  }
  image.stride = stride;
  image.width = width;
  image.height = height;
  image.components = cinfo.output_components;
  return true;
}

// CMYK as image editors store it in JPEGs (inverted): red = c x k / 255.
void cmykToRgb(DecodedImage& image) {
  const std::size_t count = std::size_t(image.width) * image.height;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* in = &image.pixels[i * 4];
    unsigned char* out = &image.pixels[i * 3];
    const unsigned k = in[3];
    const unsigned char r = std::uint8_t(in[0] * k / 255), g = std::uint8_t(in[1] * k / 255),
                        b = std::uint8_t(in[2] * k / 255);
    out[0] = r;
    out[1] = g;
    out[2] = b;
  }
  image.components = 3;
  image.stride = image.width * 3;
  image.pixels.resize(count * 3);
}

}  // namespace

bool decodeJpegMemory(const unsigned char* data, std::size_t size, DecodedImage& image,
                      std::uint32_t maxSide) {
  image = DecodedImage();
  jpeg_decompress_struct cinfo{};
  QuietErrors errors{};
  cinfo.err = jpeg_std_error(&errors.manager);
  errors.manager.output_message = discardMessage;
  errors.manager.error_exit = escapeFromFatalError;

  jpeg_source_mgr source{};
  source.next_input_byte = data;
  source.bytes_in_buffer = data ? size : 0;
  source.init_source = initSource;
  source.fill_input_buffer = fillInputBuffer;
  source.skip_input_data = skipInputData;
  source.resync_to_restart = jpeg_resync_to_restart;
  source.term_source = termSource;

  const bool decoded = decompress(cinfo, errors, source, data ? size : 0, maxSide, image);
  jpeg_destroy_decompress(&cinfo);
  if (!decoded) image = DecodedImage();
  return decoded;
}

bool decodeJpeg(const char* path, DecodedImage& image, std::uint32_t maxSide) {
  DataFile file;
  if (!file.open(path)) {
    const std::string text = std::string("ARCH:Can't load JPG file: ") + path;
    host().showMessage(text.c_str(), "Error");
    image = DecodedImage();
    return false;
  }
  return decodeJpegMemory(file.data, file.size, image, maxSide);
}

std::uint32_t loadJpegTexture(const char* path) {
  DecodedImage image;
  if (!decodeJpeg(path, image, maxTextureSide())) return 0;
  if (image.components == 4) cmykToRgb(image);
  GLenum format;
  if (image.components == 3)
    format = GL_RGB;
  else if (image.components == 1)
    format = GL_LUMINANCE;  // grey shows as grey in all three channels
  else
    return 0;
  return uploadMipmappedTexture(3, int(image.width), int(image.height), format,
                                image.pixels.data());
}
