#include "core/UndoStack.h"

void THEUndoStack::Push(std::unique_ptr<THEUndoItem> item)
{
    if (!item)
        return;
    Items.push_front(std::move(item));
    // A negative limit is a very large count, so it keeps everything.
    while (Items.size() > size_t(uint32_t(Limit)))
        Items.pop_back();
}

std::unique_ptr<THEUndoItem> THEUndoStack::Pop()
{
    if (Items.empty())
        return nullptr;
    std::unique_ptr<THEUndoItem> item = std::move(Items.front());
    Items.pop_front();
    return item;
}
