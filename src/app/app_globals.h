#pragma once

// The program-wide objects that exist once: the settings record and the
// global pair of option records, which are both the defaults of new
// documents and the working copy of the active document's options.

#include "app/program_options.h"
#include "document/document_options.h"

namespace vg {

TProgramOptions& ProgramOptions();
DocumentOptions& GlobalDocumentOptions();
ViewSettings& GlobalViewSettings();

// "VGraph.ini" and "VGraph.cfg" in the program's configuration folder.
std::string ProgramOptionsPath();
std::string DefaultOptionsPath();

// The program-wide versions of the settings routines.
void ReadProgramOptions(int screenWidth, int screenHeight);
bool WriteProgramOptions();
void ReadDefaultOptions();
bool WriteDefaultOptions();

}  // namespace vg
