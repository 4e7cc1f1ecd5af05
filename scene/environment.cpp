// environment.cpp -- reads "env.txt": each environment's first-pass and post-pass object files
#include "scene/environment.h"

#include "data/line_rules.h"
#include "data/record_file.h"
#include "data/value_check.h"
#include "scene/object_file.h"

EnvironmentList environments;

void loadEnvironments(EnvironmentList& list, const char* fileName) {
  loadRecords(list, fileName, "env", "ENV_END",
              [](Environment& environment, const DataFile& file, const char* line) {
                char objectFile[kLineCapacity];
                const bool firstPass = hasKeyword(line, "firstpass");
                const bool postPass = hasKeyword(line, "postpass");
                if (firstPass) checkValues(file, line, "firstpass %s", 1);
                if (postPass) checkValues(file, line, "postpass %s", 1);
                if ((firstPass || postPass) && secondWord(line, objectFile)) {
                  NamingLine naming(file);
                  loadObjectFile(firstPass ? environment.firstPass : environment.postPass, objectFile);
                }
                return firstPass || postPass;
              });
}
