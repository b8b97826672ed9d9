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

    // Loads the library from the system folder only, never from beside the program or from
    // the current folder, where a planted copy would run inside this process.
    struct SystemFolderOnly {};
    CSystemLibrary(const char* fileName, SystemFolderOnly) : m_module(LoadFromSystemFolder(fileName)) {}

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
    static HMODULE LoadFromSystemFolder(const char* fileName)
    {
        if (HMODULE module = ::LoadLibraryExA(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
            return module;
        // Windows 7 without its loader update refuses the flag; a full path does the same.
        if (::GetLastError() != ERROR_INVALID_PARAMETER)
            return nullptr;
        char path[MAX_PATH];
        const UINT length = ::GetSystemDirectoryA(path, MAX_PATH);
        if (length == 0 || length + 1 + lstrlenA(fileName) >= MAX_PATH)
            return nullptr;
        lstrcatA(lstrcatA(path, "\\"), fileName);
        return ::LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }

    HMODULE m_module;
};

#endif
