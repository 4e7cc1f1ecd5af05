#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
  RunMode mode;
  std::uintptr_t parent;
};

Parsed parse(const char* text) {
  std::uintptr_t parent = 99;
  const RunMode mode = parseCommandLine(text, parent);
  return {mode, parent};
}

void expectParsed(const char* text, RunMode mode, std::uintptr_t parent) {
  const Parsed got = parse(text);
  EXPECT_EQ(got.mode, mode) << text;
  EXPECT_EQ(got.parent, parent) << text;
}

TEST(CommandLine, NoSwitchConfiguresWithoutOwner) {
  expectParsed("saver.scr", RunMode::Configure, 0);
  expectParsed("saver.scr ", RunMode::Configure, 0);
  expectParsed("", RunMode::Configure, 0);
  expectParsed(nullptr, RunMode::Configure, 0);
  expectParsed("\"C:\\some dir\\saver.scr\"", RunMode::Configure, 0);
}

TEST(CommandLine, ConfigureTakesTheFirstNumberAfterTheLetter) {
  expectParsed("saver.scr /c:1234", RunMode::Configure, 1234);
  expectParsed("saver.scr /c 1234", RunMode::Configure, 1234);
  expectParsed("saver.scr -C1234", RunMode::Configure, 1234);
  expectParsed("saver.scr /c", RunMode::Configure, 0);
  expectParsed("saver.scr /c: none here", RunMode::Configure, 0);
  expectParsed("saver.scr /c then words 77 and 88", RunMode::Configure, 77);
  expectParsed("saver.scr /c 12ab34", RunMode::Configure, 12);
}

TEST(CommandLine, PreviewTakesItsParent) {
  expectParsed("saver.scr /p 5678", RunMode::Preview, 5678);
  expectParsed("saver.scr /P5678", RunMode::Preview, 5678);
  expectParsed("saver.scr /p", RunMode::Preview, 0);
  expectParsed("saver.scr foo /p 42", RunMode::Preview, 42);
}

TEST(CommandLine, EveryOtherLetterRunsTheSaver) {
  for (const char* text : {"saver.scr /s", "saver.scr /S", "saver.scr -s", "saver.scr /x",
                           "saver.scr /", "saver.scr /a 1234", "saver.scr /1"})
    expectParsed(text, RunMode::Saver, 0);
  expectParsed("saver.scr /t", RunMode::Test, 0);
  expectParsed("saver.scr /T", RunMode::Test, 0);
}

TEST(CommandLine, QuotedProgramPathIsSkippedWhole) {
  expectParsed("\"C:\\a-b\\saver.scr\" /c", RunMode::Configure, 0);
  expectParsed("\"C:\\x/p 9\\saver.scr\" /s", RunMode::Saver, 0);
  // An unterminated quote swallows the rest of the line.
  expectParsed("\"C:\\a-b\\saver.scr /s", RunMode::Configure, 0);
  // The closing quote need not be followed by a space.
  expectParsed("\"saver.scr\"/p 3", RunMode::Preview, 3);
}

TEST(CommandLine, UnquotedProgramPathEndsAtItsFirstSpace) {
  // The '-' of "my-saver" counts and its next letter 'y' selects the saver.
  expectParsed("C:\\Program Files\\my-saver.scr /c", RunMode::Saver, 0);
  // A dash inside the path itself is skipped with the path.
  expectParsed("C:\\my-saver.scr /c 5", RunMode::Configure, 5);
}

TEST(CommandLine, HugeNumbersSaturateInsteadOfOverflowing) {
  const Parsed got = parse("saver.scr /p 999999999999999999999999999999");
  EXPECT_EQ(got.mode, RunMode::Preview);
  EXPECT_EQ(got.parent, ~std::uintptr_t(0));
}

}  // namespace
