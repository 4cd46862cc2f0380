#pragma once

// Open Table and Save Table of the File menu, and the table grid with its
// commands in the graph properties dialog.

#include <string>

namespace vg {

class TMainForm;

void InstallTableCommands(TMainForm& form);

// Open Table: the file dialog, then OpenTableFile.
void OpenTableItemClick(TMainForm& form);
// The Table File Format dialog on a chosen file, the file read, and Add Graph
// with the points read. False when nothing was added.
bool OpenTableFile(TMainForm& form, const std::string& fileName);
// Save Table: the Save Table dialog on the active document's table graphs.
void SaveTableItemClick(TMainForm& form);

}  // namespace vg
