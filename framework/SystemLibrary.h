// A system library bound on first use instead of through the import table, so that a
// process that never needs it does not load it (the tray program stays small while idle).
#ifndef SKYLOOK_FRAMEWORK_SYSTEM_LIBRARY_H
#define SKYLOOK_FRAMEWORK_SYSTEM_LIBRARY_H

#include <windows.h>

class CSystemLibrary {
public:
    // Loads the library by its plain file name, so that the process's manifest still
    // chooses its version. The library is never freed: the functions found in it stay
    // valid for the life of the process, beyond this object.
    explicit CSystemLibrary(const char* fileName) : m_module(::LoadLibraryA(fileName)) {}

    bool Loaded() const { return m_module != nullptr; }

    // Points function at the export name; false, and a null function, when the library or
    // the export is missing. The caller's pointer type is the function's declared type:
    //     decltype(&::CertCloseStore) close;  library.Find(close, "CertCloseStore");
    template <class Function>
    bool Find(Function*& function, const char* name) const
    {
        function = m_module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(m_module, name)))
                            : nullptr;
        return function != nullptr;
    }

private:
    HMODULE m_module;
};

#endif
