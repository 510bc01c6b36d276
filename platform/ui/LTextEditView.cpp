#include "ui/LTextEditView.h"

#include "core/Transcript.h"

void LTextEditView::Insert(const void* bytes, SInt32 length, void* /*style*/, bool /*refresh*/)
{
    if (length <= 0)
        return;
    std::string inserted(static_cast<const char*>(bytes), std::size_t(length));
    text.insert(insertionPoint, inserted);
    insertionPoint += inserted.size();
    noteChange("insert " + std::to_string(GetPaneID()) + " " + platform::Transcript::quote(inserted));
}
