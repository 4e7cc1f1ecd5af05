// flight_report.cpp -- flight_report: how dumped camera flights meet the default scene's spheres
// flight_report: how camera flights dumped by orbivane-render --camera meet
// the spheres of a data folder's world "world": per flight the share of
// sampled frames in which a solid body spans more than a quarter of the
// picture's height, and per body the closest approach in radii.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "content/flight_survey.h"
#include "data/archive.h"
#include "hostkit/egl_context.h"
#include "render/session.h"
#include "scene/environment.h"
#include "scene/sphere.h"
#include "scene/world.h"

namespace {

const char kUsage[] =
    "usage: flight_report [--dt SECONDS] [--every K] DATA_DIR DUMP...\n"
    "  DUMP   the output of orbivane-render --camera, one flight a file\n"
    "  --dt   the frame time the flights were made with (default 0.05)\n"
    "  --every  sample every K-th frame for the close bodies (default 20)\n";

bool readFlight(const std::string& path, std::vector<CameraPose>& flight) {
  std::ifstream in(path);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    int frame = 0;
    CameraPose pose{};
    if (!(fields >> frame >> pose.eye.x >> pose.eye.y >> pose.eye.z >> pose.forward.x >>
          pose.forward.y >> pose.forward.z >> pose.up.x >> pose.up.y >> pose.up.z))
      return false;
    flight.push_back(pose);
  }
  return !flight.empty();
}

int fail(const char* message) {
  std::fprintf(stderr, "flight_report: %s\n%s", message, kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  double dt = 0.05;
  int every = 20;
  int arg = 1;
  for (; arg + 1 < argc && std::strncmp(argv[arg], "--", 2) == 0; arg += 2) {
    if (std::strcmp(argv[arg], "--dt") == 0)
      dt = std::atof(argv[arg + 1]);
    else if (std::strcmp(argv[arg], "--every") == 0)
      every = std::atoi(argv[arg + 1]);
    else
      return fail("unknown option");
  }
  if (argc - arg < 2 || std::strncmp(argv[arg], "--", 2) == 0 || !(dt > 0) || every < 1)
    return fail("bad arguments");

  // Object files with "geometry" lines build display lists while they load.
  EglContext context;
  const char* contextError = nullptr;
  if (!context.create(16, 16, &contextError)) return fail(contextError);
  const std::string archive = std::string(argv[arg]) + "/data.sdd";
  setDataArchivePath(archive.c_str());
  loadEnvironments(environments, "env.txt");
  loadWorlds(worlds, environments, "worlds.txt");
  const World* world = worlds.find("world");
  if (!world) {
    endScene();
    return fail(("no world \"world\" in " + archive).c_str());
  }
  const std::vector<Sphere*> bodies = surveyedSpheres(world->objects);

  const std::vector<std::string> dumps(argv + arg + 1, argv + argc);
  std::vector<std::vector<CameraPose>> flights(dumps.size());
  for (std::size_t f = 0; f < flights.size(); ++f) {
    if (!readFlight(dumps[f], flights[f])) {
      std::fprintf(stderr, "flight_report: %s is not a camera dump\n", dumps[f].c_str());
      endScene();
      return 1;
    }
  }

  std::vector<double> closest(bodies.size(), 1e30);
  std::vector<int> closeFrames(bodies.size(), 0);
  double shareSum = 0, worstShare = 2;
  std::string worstFlight;
  std::printf("%-24s %8s %8s %8s\n", "flight", "sampled", "close", "share");
  for (std::size_t f = 0; f < flights.size(); ++f) {
    const FlightSurvey survey = surveyFlight(bodies, flights[f], dt, every);
    const double share = double(survey.framesWithCloseBody) / double(survey.sampledFrames);
    const std::string name = std::filesystem::path(dumps[f]).filename().string();
    std::printf("%-24s %8d %8d %7.1f %%\n", name.c_str(), survey.sampledFrames,
                survey.framesWithCloseBody, 100 * share);
    shareSum += share;
    if (share < worstShare) worstShare = share, worstFlight = name;
    for (std::size_t b = 0; b < bodies.size(); ++b) {
      closest[b] = std::min(closest[b], survey.closestRadii[b]);
      closeFrames[b] += survey.closeFrames[b];
    }
  }

  std::string closeBodies;
  int closeBodyCount = 0;
  for (std::size_t b = 0; b < bodies.size(); ++b)
    if (closeFrames[b] > 0) closeBodies += std::string(" ") + bodies[b]->name, ++closeBodyCount;
  std::printf("\nmean share %.1f %%, worst %.1f %% (%s)\n", 100 * shareSum / double(flights.size()),
              100 * worstShare, worstFlight.c_str());
  std::printf("bodies spanning a quarter of the height: %d:%s\n\n", closeBodyCount, closeBodies.c_str());
  std::printf("%-15s %8s %6s %16s %13s\n", "sphere", "radius", "solid", "closest (radii)",
              "close frames");
  for (std::size_t b = 0; b < bodies.size(); ++b)
    std::printf("%-15s %8.0f %6s %16.2f %13d\n", bodies[b]->name, double(bodies[b]->radius),
                isSolidBody(*bodies[b]) ? "yes" : "no", closest[b], closeFrames[b]);
  endScene();
  return 0;
}
