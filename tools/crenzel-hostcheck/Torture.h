#pragma once

// Drives a built bundle through JUCE's hosting classes the way demanding hosts do: every block
// size and rate, prepare/release cycles, state restores while audio runs, bypass toggling,
// parameter fuzzing and repeated instance creation. Arguments are those after "torture":
//   VST3|LV2 BUNDLE-OR-URI [SEARCH-FOLDER] [--only=SECTION] [--oversize] [--cycles=N] [--seed=N]
// Returns the process exit code: 0 when every check passed.
int runHostTorture(int argc, char** argv);
