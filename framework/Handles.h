// Owning handles for the system objects that are not GDI's (framework/Gdi.h has those):
// registry keys, kernel objects, mapped views, menus and COM interface pointers here, the
// certificate store and its certificates in framework/CryptoApi.h. Each owner closes its
// handle exactly once, when it goes or is given another; owners move and never copy.
#ifndef SKYLOOK_FRAMEWORK_HANDLES_H
#define SKYLOOK_FRAMEWORK_HANDLES_H

#include <windows.h>
#include <unknwn.h>

#include <utility>

// Closer is a function object that closes one handle; it may carry how to close it.
template <class Handle, class Closer>
class COwnedHandle {
public:
    COwnedHandle() = default;
    explicit COwnedHandle(Handle handle, Closer closer = Closer()) : m_handle(handle), m_closer(closer) {}
    ~COwnedHandle() { Reset(); }
    COwnedHandle(COwnedHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, Handle())), m_closer(other.m_closer)
    {
    }
    COwnedHandle& operator=(COwnedHandle&& other) noexcept
    {
        if (this != &other) {
            Reset(std::exchange(other.m_handle, Handle()));
            m_closer = other.m_closer;
        }
        return *this;
    }
    COwnedHandle(const COwnedHandle&) = delete;
    COwnedHandle& operator=(const COwnedHandle&) = delete;

    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }
    explicit operator bool() const { return m_handle != Handle(); }

    // Closes the handle held (unless it is the one given) and keeps handle instead.
    void Reset(Handle handle = Handle())
    {
        if (m_handle != Handle() && m_handle != handle)
            m_closer(m_handle);
        m_handle = handle;
    }
    // Gives the handle up without closing it.
    Handle Release() { return std::exchange(m_handle, Handle()); }
    // For a call that hands a new handle out through a pointer; the one held is closed first:
    //     RegOpenKeyExA(parent, name, 0, KEY_READ, key.Receive())
    Handle* Receive()
    {
        Reset();
        return &m_handle;
    }

private:
    Handle m_handle = Handle();
    Closer m_closer = Closer();
};

struct RegistryKeyCloser {
    void operator()(HKEY key) const { ::RegCloseKey(key); }
};
using CRegistryKey = COwnedHandle<HKEY, RegistryKeyCloser>;

struct KernelHandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
// Events, mutexes, file mappings; not files, whose failure value is INVALID_HANDLE_VALUE.
using CKernelHandle = COwnedHandle<HANDLE, KernelHandleCloser>;

struct ViewUnmapper {
    void operator()(void* view) const { ::UnmapViewOfFile(view); }
};
using CMappedView = COwnedHandle<void*, ViewUnmapper>;

struct MenuDestroyer {
    void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
using CMenu = COwnedHandle<HMENU, MenuDestroyer>;

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

// A counted reference to a COM object; the object is released once, when the pointer goes.
template <class Interface>
class CComPtr : public COwnedHandle<Interface*, ComReleaser> {
public:
    using COwnedHandle<Interface*, ComReleaser>::COwnedHandle;

    Interface* operator->() const { return this->Get(); }
    // For CoCreateInstance, QueryInterface and the like:
    //     factory(..., IID_IShellFolder, folder.ReceiveVoid())
    void** ReceiveVoid() { return reinterpret_cast<void**>(this->Receive()); }
};

#endif
