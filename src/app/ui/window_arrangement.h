#pragma once

class QMdiArea;

namespace vg {

// Window | Cascade: the document windows overlap, each two thirds of the
// area (the frame's own cascade sizes them from their size hints, which
// leaves bare title bars), one title bar further right and down than the one
// below it, starting again at the top left corner where the next would leave
// the area. Minimised windows stay as they are; the active one ends on top.
void CascadeDocumentWindows(QMdiArea& area);

}  // namespace vg
