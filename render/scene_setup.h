#pragma once

// The saver's data start-up, shared by every host, in the order the hosts
// call it (each host puts its own window, music and timing steps between):
// the two loading-screen images;
void loadLoadingImages();
// the texture catalogue, glyph font, meshes, environments and worlds (a
// loading step is sent after each texture and each object);
void loadSceneData();
// then, once loading is over, the world to show: the first named "world",
// else the first world of the file, else none.
void selectStartWorld();
