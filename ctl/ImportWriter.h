// Writing a checked import into the store so that a failure leaves it as it was: every key's
// values are read before it is written, and a write that fails puts back every key the
// import had changed.
#ifndef SKYLOOK_CTL_IMPORT_WRITER_H
#define SKYLOOK_CTL_IMPORT_WRITER_H

#include "ctl/ImportPlan.h"
#include "ctl/KeyValues.h"

#include <string>
#include <vector>

// Why a write failed, for the advice that fits it.
enum class WriteCause {
    AccessDenied,  // the registry refused the user: an administrator or the setup program's grant
    LibraryBusy,   // the adapter library refused a write the registry would take
    Registry,      // any other refusal of the registry, named in the text
};

struct WriteFailure {
    std::string Text;  // what failed and the cause, in words
    WriteCause Cause = WriteCause::Registry;
};

class CImportWriter {
public:
    // Makes the target's key hold exactly the file's values (subkeys are left alone): values
    // of the store's own raw form through the adapter library as the program writes them,
    // values of another type with that type. False, with the cause, when a read or a write
    // fails; the key may then be half written until Undo.
    bool Write(const ImportTarget& target, WriteFailure& failure);

    // Whether any key has been changed so far: a failure before the first change leaves
    // nothing to put back.
    bool WroteAnything() const;

    // Puts every key changed back as it was, last first, through the registry itself (the
    // library may be what failed). False, naming what could not be restored.
    bool Undo(std::string& problem);

private:
    struct Previous {
        std::string Path;
        std::string Parent;
        std::string Name;
        bool Existed = false;
        bool Changed = false;
        std::vector<WideValue> Values;
    };
    bool WriteValues(const ImportTarget& target, HKEY key, Previous& previous, WriteFailure& failure);
    static bool PutBack(const Previous& previous, std::string& problem);
    std::vector<Previous> m_previous;
};

#endif
