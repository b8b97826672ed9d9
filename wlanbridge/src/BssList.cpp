#include "BssList.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr size_t ListHeaderSize = offsetof(WLAN_BSS_LIST, wlanBssEntries);

}  // namespace

std::vector<BssEntryView> ReadBssList(const std::vector<unsigned char>& list)
{
    std::vector<BssEntryView> entries;
    if (list.size() < ListHeaderSize)
        return entries;
    DWORD items = 0;
    std::memcpy(&items, list.data() + offsetof(WLAN_BSS_LIST, dwNumberOfItems), sizeof items);
    const size_t room = (list.size() - ListHeaderSize) / sizeof(WLAN_BSS_ENTRY);
    const size_t count = items < room ? items : room;
    for (size_t i = 0; i < count; ++i) {
        const size_t offset = ListHeaderSize + i * sizeof(WLAN_BSS_ENTRY);
        BssEntryView view;
        std::memcpy(&view.Entry, list.data() + offset, sizeof view.Entry);
        // The elements lie at an offset from the entry's own start.
        const size_t after = list.size() - offset;
        const size_t ieOffset = view.Entry.ulIeOffset;
        const size_t ieSize = view.Entry.ulIeSize;
        if (ieSize != 0 && ieOffset <= after && ieSize <= after - ieOffset) {
            view.Elements = list.data() + offset + ieOffset;
            view.ElementsSize = ieSize;
        }
        entries.push_back(view);
    }
    return entries;
}

const unsigned char* FindElement(const unsigned char* elements, size_t size, unsigned char id,
                                 const unsigned char (*ouiAndType)[4])
{
    size_t offset = 0;
    while (elements && offset + 2 <= size) {
        const unsigned char found = elements[offset];
        const size_t length = elements[offset + 1];
        if (length > size - offset - 2)
            break;
        const unsigned char* body = elements + offset + 2;
        if (found == id && (!ouiAndType || (length >= 4 && std::memcmp(body, *ouiAndType, 4) == 0)))
            return elements + offset;
        offset += 2 + length;
    }
    return nullptr;
}
