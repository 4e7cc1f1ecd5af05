// gl_driver_test.cpp -- the names that decide what the driver is taken to offer
#include "gl/gl_driver.h"

#include <gtest/gtest.h>

TEST(GlDriver, SoftwareRenderersAndWholeExtensionNames) {
  EXPECT_TRUE(isSoftwareRenderer("llvmpipe (LLVM 15.0.6, 256 bits)"));
  EXPECT_TRUE(isSoftwareRenderer("softpipe"));
  EXPECT_TRUE(isSoftwareRenderer("GDI Generic"));
  EXPECT_FALSE(isSoftwareRenderer("AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)"));
  EXPECT_FALSE(isSoftwareRenderer("NVIDIA GeForce GTX 1060/PCIe/SSE2"));
  EXPECT_FALSE(isSoftwareRenderer(""));

  EXPECT_TRUE(hasExtension("GL_ARB_occlusion_query", "GL_ARB_occlusion_query"));
  EXPECT_TRUE(hasExtension("GL_EXT_a GL_ARB_occlusion_query GL_EXT_b", "GL_ARB_occlusion_query"));
  EXPECT_FALSE(hasExtension("GL_ARB_occlusion_query2 GL_EXT_b", "GL_ARB_occlusion_query"));
  EXPECT_FALSE(hasExtension("XGL_ARB_occlusion_query", "GL_ARB_occlusion_query"));
  EXPECT_FALSE(hasExtension("", "GL_ARB_occlusion_query"));
}
