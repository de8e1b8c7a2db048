#pragma once
// The command line without a window: export a cut as a JPEG, or save a file's log
// as an animation file, through the program's own open, export and save code.

namespace murva::qt {

// Handles "--export-jpeg OUT.jpg [--cut N] FILE" and "--save-as OUT.mrv FILE".
// Must be called before any Qt application object exists. Returns the exit code.
int RunHeadless(int argc, char** argv);

} // namespace murva::qt
