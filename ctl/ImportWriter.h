// Writing a checked import into the store so that a failure leaves it as it was: every key's
// values are read before it is written, and a write that fails puts back every key the
// import had touched.
#ifndef SKYLOOK_CTL_IMPORT_WRITER_H
#define SKYLOOK_CTL_IMPORT_WRITER_H

#include "ctl/ImportPlan.h"

#include <cstdint>
#include <string>
#include <vector>

struct StoredRegistryValue {
    std::string Name;
    uint32_t Type = 0;
    std::vector<unsigned char> Bytes;
};

// Every value of a key below HKEY_LOCAL_MACHINE, names, types and bytes as the registry holds
// them; false when the key does not exist.
bool ReadKeyValues(const std::string& path, std::vector<StoredRegistryValue>& values);

class CImportWriter {
public:
    // Makes the target's key hold exactly the file's values (subkeys are left alone): values
    // of the store's own raw form through the adapter library as the program writes them,
    // values of another type with that type. False, with the cause in words, when a write
    // fails; the key may then be half written until Undo.
    bool Write(const ImportTarget& target, std::string& failure);

    // Puts every key written or begun back as it was, last first, through the registry
    // itself (the library may be what failed). False, naming what could not be restored.
    bool Undo(std::string& problem);

private:
    // Kept through the wide registry calls, which hand over every type's bytes unconverted.
    struct WideValue {
        std::wstring Name;
        unsigned long Type = 0;
        std::vector<unsigned char> Bytes;
    };
    struct Previous {
        std::string Path;
        std::string Parent;
        std::string Name;
        bool Existed = false;
        std::vector<WideValue> Values;
    };
    static bool ReadWideValues(const std::string& path, std::vector<WideValue>& values);
    static bool PutBack(const Previous& previous, std::string& problem);
    std::vector<Previous> m_previous;
};

#endif
