#pragma once
// xscreensaver_list.h -- Orbivane on the user's XScreenSaver list (~/.xscreensaver)

#include <string>

// The result of editing the text of an XScreenSaver resource file.
struct ProgramListEdit {
  std::string text;   // the file's new text
  int index = 0;      // Orbivane's place in the programs list, from 0
  bool added = false; // the entry was not on the list before
};

// The command an entry runs for the program at `executablePath`: the bare
// name when it lies in the folder XScreenSaver puts on its effects' PATH,
// else the path (quoted for the shell where needed); empty when the path
// cannot be written into the file safely.
std::string xscreensaverCommand(const std::string& executablePath);

// Puts `GL: "Orbivane" COMMAND --root` at the end of the programs list in
// `text` (a resource file's text; empty for none) unless an entry for
// Orbivane is there already; with `select`, also `mode: one` and `selected:`
// its index. Every other line stays as it was. False when `text` is not a
// resource file: binary, or a line that is neither blank, a comment, a
// `name: value` line nor a continuation.
bool editProgramList(const std::string& text, const std::string& command, bool select,
                     ProgramListEdit& edit);

// The user's XScreenSaver settings file: ~/.xscreensaver.
std::string xscreensaverFile();

// Applies editProgramList to `file` (made when missing): the new text goes to
// a temporary file beside it, with its mode, then replaces it. Reports on
// stdout, or on stderr when the file is left as it was; returns the exit
// status.
int putOnXScreenSaverList(const std::string& file, const std::string& command, bool select);
