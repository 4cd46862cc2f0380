#include "document/document_hooks.h"

namespace vg {

DocumentUndoHook& NoUndoHook()
{
    static DocumentUndoHook none;
    return none;
}

DocumentView& NoDocumentView()
{
    static DocumentView none;
    return none;
}

}  // namespace vg
