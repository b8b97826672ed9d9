// Reading a key's values for export and import. Values are listed and named by their wide
// names: a name in letters the code page lacks (or longer in the code page than in letters)
// cannot be read, compared or removed by its code-page spelling.
#ifndef SKYLOOK_CTL_KEY_VALUES_H
#define SKYLOOK_CTL_KEY_VALUES_H

#include <windows.h>

#include <string>
#include <vector>

// A value as the registry holds it: the wide calls hand every type's bytes over unconverted.
struct WideValue {
    std::wstring Name;
    DWORD Type = 0;
    std::vector<unsigned char> Bytes;
};

// Every value of the key. ERROR_SUCCESS, or the error that stopped the read: the list is then
// incomplete and must not be used. A key whose values keep growing while it is read ends the
// read with ERROR_MORE_DATA rather than being asked again for ever.
LONG ReadWideValues(HKEY key, std::vector<WideValue>& values);
// The same for a key below HKEY_LOCAL_MACHINE; ERROR_FILE_NOT_FOUND when it does not exist.
LONG ReadWideValues(const std::string& path, std::vector<WideValue>& values);

// The name in the code page's spelling; false when the code page cannot spell it exactly.
bool CodePageName(const std::wstring& name, std::string& spelled);
// Whether a code-page name and a wide name are the registry's same name (case aside).
bool SameValueName(const std::string& name, const std::wstring& wideName);

// One value's type and bytes through the code-page call, which gives texts in the code page
// as the store's own reads do. ERROR_SUCCESS or the error of the read.
LONG ReadCodePageValue(HKEY key, const std::string& name, DWORD& type, std::vector<unsigned char>& bytes);

#endif
