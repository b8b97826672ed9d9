#include "Handles.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Stands for a handle: closing one records it.
std::vector<int*> Closed;

struct RecordingCloser {
    void operator()(int* handle) const { Closed.push_back(handle); }
};
using COwned = COwnedHandle<int*, RecordingCloser>;

int First = 1;
int Second = 2;

// What happens to the owners in a scope, and which handles are closed, in order, when it ends.
struct OwnershipCase {
    const char* name;
    std::function<void()> scope;
    std::vector<int*> closed;
};

const OwnershipCase OwnershipCases[] = {
    {"held until the owner goes", [] { COwned owner(&First); }, {&First}},
    {"moved into a new owner",
     [] {
         COwned owner(&First);
         COwned next(std::move(owner));
     },
     {&First}},
    {"moved over an owner that holds another",
     [] {
         COwned owner(&First);
         COwned other(&Second);
         other = std::move(owner);
     },
     {&Second, &First}},
    {"moved onto itself",
     [] {
         COwned owner(&First);
         COwned& same = owner;
         owner = std::move(same);
     },
     {&First}},
    {"reset to the handle it holds", [] { COwned(&First).Reset(&First); }, {&First}},
    {"released", [] { COwned(&First).Release(); }, {}},
    {"received into while holding another",
     [] {
         COwned owner(&First);
         *owner.Receive() = &Second;
     },
     {&First, &Second}},
};

TEST(OwnedHandle, ClosesEachHandleExactlyOnce)
{
    for (const OwnershipCase& row : OwnershipCases) {
        Closed.clear();
        row.scope();
        EXPECT_EQ(row.closed, Closed) << row.name;
    }
}

TEST(OwnedHandle, ARegistryKeyStaysOpenAcrossAMoveAndClosesWithItsLastOwner)
{
    const char* const path = "Software\\Skylook\\FrameworkTest";
    HKEY raw = nullptr;
    {
        CRegistryKey opened;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                                   opened.Receive(), nullptr));
        raw = opened.Get();
        CRegistryKey owner(std::move(opened));
        EXPECT_FALSE(opened);
        const DWORD value = 5;
        EXPECT_EQ(ERROR_SUCCESS, ::RegSetValueExA(owner, "Moved", 0, REG_DWORD,
                                                  reinterpret_cast<const BYTE*>(&value), sizeof value));
    }
    EXPECT_EQ(ERROR_INVALID_HANDLE, ::RegCloseKey(raw)) << "the key was closed already";
    ::RegDeleteKeyA(HKEY_CURRENT_USER, path);
}

}  // namespace
