#include "platform/ui/message_map.h"

namespace halvo
{

bool CCmdTarget::OnCmdMsg(int id)
{
    return Dispatch(Message::Command, MessageArgs{.id = id});
}

bool CCmdTarget::HasCommandHandler(int id) const
{
    return HasHandler(Message::Command, id);
}

// One rule for finding a handler and for running it, so a menu item is
// enabled exactly when its command would be handled. Id 0 in the map takes
// every id (timers, paint, creation, focus).
static bool Handles(const MessageEntry& entry, Message message, int id)
{
    return entry.message == message && (entry.id == 0 || entry.id == id);
}

bool CCmdTarget::HasHandler(Message message, int id) const
{
    for (const MessageEntry& entry : GetMessageMap())
        if (Handles(entry, message, id))
            return true;
    return false;
}

bool CCmdTarget::Dispatch(Message message, const MessageArgs& args, int* result)
{
    for (const MessageEntry& entry : GetMessageMap())
    {
        if (Handles(entry, message, args.id))
        {
            const int value = entry.call(*this, args);
            if (result != nullptr)
                *result = value;
            return true;
        }
    }
    return false;
}

const MessageMap& CCmdTarget::GetMessageMap() const
{
    static const MessageMap empty;
    return empty;
}

} // namespace halvo
