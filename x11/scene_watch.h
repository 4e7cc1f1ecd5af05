#pragma once
// scene_watch.h -- the author's loop: the scene loaded again when its files change, its problems printed

#include <cstdio>
#include <string>

#include "hostkit/console_host.h"
#include "hostkit/problem_list.h"
#include "x11/folder_watch.h"

// With --watch: from its making on, what the loaders report goes to a
// list (not the screen); after the first load and after every reload the
// list is printed. A change to the data folder's files, once they are
// still, loads the scene again while the flight goes on.
class SceneWatch {
 public:
  SceneWatch(const std::string& dataDir, ConsoleHost& host, std::FILE* out);
  SceneWatch(const SceneWatch&) = delete;
  SceneWatch& operator=(const SceneWatch&) = delete;
  ~SceneWatch();

  // After the first load: its problems.
  void printFirstLoad();
  // Once a frame: loads the scene again when the folder has changed.
  void poll();

 private:
  void print();

  std::string dataDir_;
  ConsoleHost& host_;
  std::FILE* out_;
  FolderWatch folder_;
  ProblemList problems_;
};
