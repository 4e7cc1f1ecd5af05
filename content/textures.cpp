// textures.cpp -- every picture of the default scene, painted from fixed seeds
#include "content/textures.h"

#include <cmath>
#include <functional>

#include "content/noise.h"
#include "math/random.h"
#include "math/vec3.h"

namespace {
constexpr float kPi = 3.14159265358979f;

// The direction of pixel (x, y) of a longitude-latitude map whose pole is
// the sphere mesh's z axis (row 0 at the north pole).
Vec3 mapDirection(int x, int y, int w, int h) {
  const float phi = 2 * kPi * (float(x) + 0.5f) / float(w);
  const float theta = kPi * (float(y) + 0.5f) / float(h);
  return {std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
}

Image paintSphere(int w, int h, const std::function<Colour(const Vec3&)>& paint) {
  Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.at(x, y) = paint(mapDirection(x, y, w, h));
  return image;
}

Colour rgb(float r, float g, float b, float a = 1) { return {r, g, b, a}; }

Colour rocky(const Vec3& d) {
  const float n = fbm3(d.x * 3, d.y * 3, d.z * 3, 6, 0.55f, 11);
  const float craters = ridged3(d.x * 6, d.y * 6, d.z * 6, 3, 12);
  const float t = clamp01(0.5f + 0.5f * n);
  Colour c = mix(rgb(0.35f, 0.22f, 0.15f), rgb(0.78f, 0.6f, 0.45f), t);
  return c * (0.7f + 0.4f * craters);
}

Colour ocean(const Vec3& d) {
  const float n = fbm3(d.x * 2.2f, d.y * 2.2f, d.z * 2.2f, 6, 0.5f, 21);
  const float ice = smoothstep(0.8f, 0.9f, std::fabs(d.z) + 0.05f * n);
  Colour c;
  if (n < 0.05f)
    c = mix(rgb(0.02f, 0.06f, 0.25f), rgb(0.05f, 0.2f, 0.45f), clamp01(n + 1));
  else
    c = mix(rgb(0.15f, 0.4f, 0.12f), rgb(0.5f, 0.42f, 0.25f), clamp01(n * 2));
  return mix(c, rgb(0.95f, 0.97f, 1), ice);
}

Colour clouds(const Vec3& d) {
  const float warp = fbm3(d.x * 2, d.y * 2, d.z * 2, 3, 0.5f, 31);
  const float n = fbm3(d.x * 4 + warp, d.y * 4, d.z * 7, 6, 0.55f, 32);
  const float a = smoothstep(0.0f, 0.6f, n);
  return rgb(1, 1, 1, a * 0.9f);
}

Colour giant(const Vec3& d) {
  const float turbulence = fbm3(d.x * 3, d.y * 3, d.z * 3, 5, 0.5f, 41);
  const float band = std::sin(d.z * 14 + turbulence * 1.8f) * 0.5f + 0.5f;
  const float fine = std::sin(d.z * 47 + turbulence * 3) * 0.5f + 0.5f;
  Colour c = mix(rgb(0.75f, 0.55f, 0.35f), rgb(0.95f, 0.88f, 0.72f), band);
  return mix(c, rgb(0.6f, 0.35f, 0.2f), fine * 0.3f);
}

// A pale ice giant: soft cyan bands under a faint haze.
Colour azure(const Vec3& d) {
  const float turbulence = fbm3(d.x * 2.5f, d.y * 2.5f, d.z * 2.5f, 5, 0.5f, 141);
  const float band = std::sin(d.z * 9 + turbulence * 1.4f) * 0.5f + 0.5f;
  const float streaks = std::sin(d.z * 31 + turbulence * 4) * 0.5f + 0.5f;
  const Colour c = mix(rgb(0.22f, 0.5f, 0.68f), rgb(0.62f, 0.86f, 0.93f), band);
  return mix(c, rgb(0.85f, 0.95f, 1), streaks * 0.15f);
}

Colour ice(const Vec3& d) {
  const float n = fbm3(d.x * 3, d.y * 3, d.z * 3, 6, 0.5f, 51);
  const float cracks = ridged3(d.x * 5, d.y * 5, d.z * 5, 4, 52);
  Colour c = mix(rgb(0.55f, 0.7f, 0.85f), rgb(0.9f, 0.95f, 1), clamp01(0.5f + 0.5f * n));
  return mix(c, rgb(0.3f, 0.45f, 0.7f), smoothstep(0.75f, 0.95f, cracks) * 0.6f);
}

Colour desert(const Vec3& d) {
  const float dunes = std::sin(d.z * 30 + fbm3(d.x * 4, d.y * 4, d.z * 4, 4, 0.5f, 111) * 4);
  const float canyons = smoothstep(0.9f, 0.97f, ridged3(d.x * 3, d.y * 3, d.z * 3, 4, 112));
  const float t = clamp01(0.5f + 0.25f * dunes + 0.3f * fbm3(d.x * 6, d.y * 6, d.z * 6, 5, 0.5f, 113));
  const Colour c = mix(rgb(0.55f, 0.24f, 0.1f), rgb(0.9f, 0.62f, 0.35f), t);
  return mix(c, rgb(0.25f, 0.1f, 0.06f), canyons);
}

// Dark basalt crossed by glowing cracks.
Colour lava(const Vec3& d) {
  const float rock = clamp01(0.5f + 0.5f * fbm3(d.x * 5, d.y * 5, d.z * 5, 5, 0.55f, 121));
  const float cracks = smoothstep(0.86f, 0.97f, ridged3(d.x * 4, d.y * 4, d.z * 4, 5, 122));
  return mix(rgb(0.12f, 0.1f, 0.1f) * (0.6f + 0.8f * rock), rgb(1, 0.45f, 0.08f), cracks);
}

Colour sun(const Vec3& d) {
  const float n = fbm3(d.x * 8, d.y * 8, d.z * 8, 5, 0.6f, 61);
  const float cells = ridged3(d.x * 16, d.y * 16, d.z * 16, 2, 62);
  const float t = clamp01(0.55f + 0.35f * n + 0.25f * cells);
  return mix(rgb(0.9f, 0.35f, 0.05f), rgb(1, 0.95f, 0.6f), t);
}

Colour atmosphere(const Vec3& d) {
  const float n = fbm3(d.x * 4, d.y * 4, d.z * 4, 3, 0.5f, 81);
  return rgb(0.35f, 0.6f, 1, 1) * (0.85f + 0.15f * n);
}

Colour dustHaze(const Vec3& d) {
  const float n = fbm3(d.x * 4, d.y * 4, d.z * 4, 3, 0.5f, 131);
  return rgb(1, 0.62f, 0.35f) * (0.85f + 0.15f * n);
}

// Small bright flashes scattered over a transparent map: lightning in the
// clouds of a giant.
std::function<Colour(const Vec3&)> storms() {
  seedRandom(13);
  std::vector<Vec3> centres(60);
  for (Vec3& c : centres) c = normalized(randomUnitVector());
  return [centres](const Vec3& d) {
    float v = 0;
    for (const Vec3& c : centres) v += std::exp(-(1 - dot(d, c)) * 900);
    v = clamp01(v);
    return rgb(0.85f, 0.9f, 1, v);
  };
}

// Rings: bands of varied density with a dark gap two thirds of the way out.
float ringProfile(float r, float) {
  const float bands = 0.55f + 0.25f * std::sin(r * 61) + 0.2f * std::sin(r * 173 + 1.3f);
  const float gap = smoothstep(0.015f, 0.03f, std::fabs(r - 0.8f));
  return smoothstep(0.55f, 0.6f, r) * smoothstep(1.0f, 0.96f, r) * gap * clamp01(bands) * 0.8f;
}

// A round sprite: colour falling off from the centre as `profile` of the
// radius 0..1, in alpha too.
Image paintSprite(int size, const std::function<float(float, float)>& profile, const Colour& c) {
  Image image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const float dx = (float(x) + 0.5f) / float(size) * 2 - 1;
      const float dy = (float(y) + 0.5f) / float(size) * 2 - 1;
      const float r = std::sqrt(dx * dx + dy * dy);
      const float v = r >= 1 ? 0 : clamp01(profile(r, std::atan2(dy, dx)));
      image.at(x, y) = {c.r * v, c.g * v, c.b * v, v};
    }
  }
  return image;
}

Image starSky(int w, int h) {
  Image sky = paintSphere(w, h, [](const Vec3& d) {
    // A faint band of the galaxy about a tilted great circle, and nebulae.
    const Vec3 bandAxis = normalized(Vec3(0.3f, 0.8f, 0.5f));
    const float lat = std::fabs(dot(d, bandAxis));
    const float dust = fbm3(d.x * 5, d.y * 5, d.z * 5, 6, 0.55f, 91);
    const float band = std::exp(-lat * lat * 30) * clamp01(0.6f + 0.6f * dust);
    const float cloud = clamp01(fbm3(d.x * 2, d.y * 2, d.z * 2, 5, 0.5f, 92) - 0.1f);
    Colour c = rgb(0.06f, 0.05f, 0.09f) * band + rgb(0.12f, 0.03f, 0.1f) * cloud;
    c = c + rgb(0.02f, 0.05f, 0.12f) * clamp01(fbm3(d.x * 3, d.y * 3, d.z * 3, 4, 0.5f, 93));
    return c;
  });
  seedRandom(7);
  for (int i = 0; i < 5000; ++i) {
    const Vec3 d = normalized(randomUnitVector());
    const float bright = std::pow(rand01(), 6.0f) * 1.6f + 0.15f;
    const float tint = rand01();
    const Colour c = tint < 0.3f ? rgb(0.7f, 0.8f, 1) : (tint > 0.85f ? rgb(1, 0.8f, 0.6f) : rgb(1, 1, 1));
    const float theta = std::acos(d.z), phi = std::atan2(d.y, d.x);
    const float px = (phi < 0 ? phi + 2 * kPi : phi) / (2 * kPi) * float(w);
    const float py = theta / kPi * float(h);
    const float stretch = 1 / std::fmax(std::sin(theta), 0.05f);
    const int rx = int(std::ceil(stretch * 1.5f)), ry = 2;
    for (int oy = -ry; oy <= ry; ++oy) {
      for (int ox = -rx; ox <= rx; ++ox) {
        const float ex = (std::floor(px) + float(ox) + 0.5f - px) / stretch;
        const float ey = std::floor(py) + float(oy) + 0.5f - py;
        const float g = std::exp(-(ex * ex + ey * ey) * 1.8f) * bright;
        sky.addWrapped(int(std::floor(px)) + ox, int(std::floor(py)) + oy, c, g);
      }
    }
  }
  return sky;
}

Image metalPanels(int size) {
  Image image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int px = x * 8 / size, py = y * 8 / size;
      const float shade = 0.45f + 0.25f * hash01(px, py, 0, 101);
      const int fx = x % (size / 8), fy = y % (size / 8);
      const bool seam = fx < 2 || fy < 2;
      const bool window = hash01(px, py, 1, 102) > 0.7f && fy > size / 32 && fy < size / 20 &&
                          (fx / 6) % 2 == 0 && fx > 8;
      Colour c = rgb(shade, shade, shade * 1.05f);
      if (seam) c = c * 0.4f;
      if (window) c = rgb(1, 0.85f, 0.5f);
      image.at(x, y) = c;
    }
  }
  return image;
}

// A comet's tail: a streak in the upper half of the picture, brightest where
// it leaves the head at the centre and fading towards the top edge.
Image cometTail(int size) {
  Image image(size, size);
  for (int y = 0; y < size; ++y) {
    const float along = 1 - (float(y) + 0.5f) / float(size) * 2;  // 1 at the top row
    for (int x = 0; x < size; ++x) {
      const float across = (float(x) + 0.5f) / float(size) * 2 - 1;
      const float width = 0.12f + 0.5f * std::fmax(along, 0.0f);
      const float v = along <= 0 ? 0
                                 : std::exp(-across * across / (width * width) * 3) *
                                       std::pow(1 - along, 1.5f) * smoothstep(0, 0.08f, along);
      image.at(x, y) = rgb(0.75f * v, 0.88f * v, v, v);
    }
  }
  return image;
}

// A soft glow with faint rays, for the sun's flare. The glow fills the
// sprite to its edge: a sprite costs its whole area, seen or not.
float flareProfile(float r, float a) {
  const float rays = 0.5f + 0.5f * std::cos(a * 12) * std::cos(a * 5);
  const float g = 0.6f * r;
  const float glow = std::exp(-g * 5) + 0.25f * std::pow(1 - g, 3.0f) * rays + 0.3f * std::pow(1 - g, 8.0f);
  return glow * smoothstep(1.0f, 0.8f, r);
}

// The sun's glare: a wide soft glow with faint rays. A texel adds its value
// squared (its colour carries its alpha), so values below 0.06 add less
// than a level: they are cut to nothing, and the sprite costs only the
// cells inside them.
float glareProfile(float r, float a) {
  const float rays = 0.5f + 0.5f * std::cos(a * 12) * std::cos(a * 5);
  const float v = std::exp(-r * 5) + 0.25f * std::pow(1 - r, 3.0f) * rays + 0.3f * std::pow(1 - r, 8.0f);
  return v < 0.06f ? 0.0f : v;
}

// The sun's faint wide glow, several times its disc, fading smoothly; drawn
// at alpha 0.6, values below 0.08 add less than a level and are cut. It
// lights only the middle of its square, so it costs only those cells.
float glowProfile(float r, float) {
  const float v = 1.2f * std::exp(-r * 2.6f) * smoothstep(0.85f, 0.45f, r);
  return v < 0.08f ? 0.0f : v;
}

// A lens ghost ring: thin and faint, brighter on one side, so that it turns
// with the sun's place on the screen instead of standing as a full circle.
// Its faint interior and skirts are cut to nothing: they added about a
// level to the picture at most, and a ring costs every cell its texture
// lights.
float lensRingProfile(float r, float a) {
  const float ring = std::exp(-std::pow((r - 0.82f) * 16, 2.0f));
  const float arc = 0.35f + 0.65f * std::pow(0.5f + 0.5f * std::sin(a), 2.0f);
  const float v = 0.22f * ring * arc;
  return v < 0.08f ? 0.0f : v;
}

Image loadingSign(int size, bool title) {
  Image image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const float dx = (float(x) + 0.5f) / float(size) * 2 - 1;
      const float dy = (float(y) + 0.5f) / float(size) * 2 - 1;
      const float r = std::sqrt(dx * dx + dy * dy);
      Colour c;
      if (title) {
        // A sun with an orbit ring.
        const float body = 1 - smoothstep(0.3f, 0.32f, r);
        const float ring = std::exp(-std::pow((std::sqrt(dx * dx + 9 * dy * dy) - 0.75f) * 25, 2.0f));
        const float glow = std::exp(-r * 4) * 0.6f;
        c = rgb(1, 0.8f, 0.4f) * body + rgb(0.4f, 0.6f, 1) * ring + rgb(1, 0.5f, 0.2f) * glow;
      } else {
        // A ring of twelve dots, the loading mark.
        const float a = std::atan2(dy, dx);
        const float k = std::round(a / (kPi / 6)) * (kPi / 6);
        const float ex = dx - 0.6f * std::cos(k), ey = dy - 0.6f * std::sin(k);
        const float dot = 1 - smoothstep(0.06f, 0.08f, std::sqrt(ex * ex + ey * ey));
        c = rgb(0.5f, 0.7f, 1) * dot * (0.4f + 0.6f * (k + kPi) / (2 * kPi));
      }
      image.at(x, y) = c;
    }
  }
  return image;
}
}  // namespace

std::vector<Picture> makePictures() {
  std::vector<Picture> pictures;
  auto add = [&](const char* member, Image image) { pictures.push_back({member, std::move(image)}); };
  add("textures\\rock.jpg", paintSphere(512, 256, rocky));
  add("textures\\ocean.jpg", paintSphere(512, 256, ocean));
  add("textures\\clouds.tga", paintSphere(512, 256, clouds));
  add("textures\\storm.tga", paintSphere(256, 128, storms()));
  add("textures\\giant.jpg", paintSphere(512, 256, giant));
  add("textures\\ice.jpg", paintSphere(512, 256, ice));
  add("textures\\azure.jpg", paintSphere(512, 256, azure));
  add("textures\\desert.jpg", paintSphere(512, 256, desert));
  add("textures\\lava.jpg", paintSphere(512, 256, lava));
  add("textures\\sun.jpg", paintSphere(512, 256, sun));
  add("textures\\atmo.jpg", paintSphere(64, 32, atmosphere));
  add("textures\\haze.jpg", paintSphere(64, 32, dustHaze));
  add("textures\\sky.jpg", starSky(2048, 1024));
  add("textures\\metal.jpg", metalPanels(256));
  add("textures\\c.jpg", makeGlyphs(256));
  add("textures\\halo.tga", paintSprite(128, [](float r, float) { return std::pow(1 - r, 0.8f); },
                                        rgb(1, 0.75f, 0.45f)));
  add("textures\\nebula.tga", paintSprite(256, [](float r, float a) {
        return (1 - r) * (1 - r) * (0.6f + 0.4f * std::sin(a * 3 + r * 9));
      }, rgb(0.6f, 0.35f, 0.9f)));
  add("textures\\flare.tga", paintSprite(256, flareProfile, rgb(1, 0.95f, 0.85f)));
  add("textures\\glare.tga", paintSprite(256, glareProfile, rgb(1, 0.95f, 0.85f)));
  add("textures\\glow.tga", paintSprite(128, glowProfile, rgb(1, 0.72f, 0.42f)));
  add("textures\\lens.tga", paintSprite(64, [](float r, float) {
        return smoothstep(1.0f, 0.9f, r) * (0.18f + 0.4f * r * r);
      }, rgb(1, 1, 1)));
  add("textures\\lensring.tga", paintSprite(128, lensRingProfile, rgb(1, 1, 1)));
  add("textures\\spark.tga", paintSprite(64, [](float r, float) { return std::exp(-r * 6); },
                                         rgb(1, 0.8f, 0.6f)));
  add("textures\\bolt.tga", paintSprite(64, [](float r, float) { return std::exp(-r * 4); },
                                        rgb(0.6f, 0.75f, 1)));
  add("textures\\lamp.tga", paintSprite(64, [](float r, float) { return std::exp(-r * 3.5f); },
                                        rgb(1, 0.3f, 0.2f)));
  add("textures\\tail.tga", cometTail(128));
  add("textures\\ring.tga", paintSprite(512, ringProfile, rgb(0.9f, 0.8f, 0.65f)));
  add("textures\\load.jpg", loadingSign(256, false));
  add("textures\\sign.jpg", loadingSign(256, true));
  return pictures;
}

std::vector<Picture> makeExamplePictures() {
  std::vector<Picture> pictures;
  auto add = [&](const char* member, Image image) { pictures.push_back({member, std::move(image)}); };
  add("textures\\sky.jpg", starSky(1024, 512));
  add("textures\\sun.jpg", paintSphere(128, 64, sun));
  add("textures\\planet.jpg", paintSphere(256, 128, ocean));
  add("textures\\glow.tga", paintSprite(64, flareProfile, rgb(1, 0.95f, 0.85f)));
  add("textures\\c.jpg", makeGlyphs(128));
  add("textures\\load.jpg", loadingSign(128, false));
  add("textures\\sign.jpg", loadingSign(128, true));
  return pictures;
}
