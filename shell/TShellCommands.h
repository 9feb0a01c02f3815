#pragma once

// The shell's own entries in the command registry. main() calls this before
// the other subsystems register theirs, so that a subsystem's window replaces
// an interim one registered here under the same name.
void RegisterShellCommands();

// The interim website selection: opens the program folder's first website,
// creating it when it does not exist yet. Raises EQuorvisError when it cannot
// be created; shows language string 1338 when it cannot be opened.
void OpenFirstWebsite();
