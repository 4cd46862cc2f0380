#pragma once

#include <string>

namespace vg {

// The folder of the program's settings files: $VGRAPH_CONFIG_DIR, else
// $XDG_CONFIG_HOME/VGraph, else ~/.config/VGraph. The folder may not exist yet.
std::string ConfigDir();

// Creates the settings folder (and its parents) when path is a file in it
// and it is missing: the one place where the program makes folders for its
// own files. Other paths are left alone. False when the folder cannot be made.
bool PrepareConfigFolderFor(const std::string& path);

// A settings file named without a folder ("VGraph.ini") lives in ConfigDir();
// a name with a folder is used as it is.
std::string ConfigFilePath(const std::string& name);

// The folder of the running executable (empty when it cannot be found).
std::string ExecutableDir();

// The program's language folder: data/lang beside the build tree's bin
// folder when run from the build tree, else <prefix>/share/vgraph/lang of an
// installed program. $VGRAPH_LANG_DIR overrides both.
std::string ProgramLanguageDir();

// True when name holds a folder part.
bool HasDirectoryPart(const std::string& name);

// Joins a folder and a file name with one "/".
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace vg
