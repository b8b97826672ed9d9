#include "ctl/Commands.h"
#include "ctl/ImportPlan.h"
#include "ctl/ImportWriter.h"
#include "ctl/RegistryScript.h"
#include "ctl/ScriptFiles.h"
#include "ctl/SkylookCtl.h"

#include "record/PrintableText.h"
#include "settings/NotStoredText.h"
#include "settings/ProfileSelection.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

// What became of the store after a failed write, then the advice that fits the cause.
void ReportUndoneImport(CImportWriter& writer, WriteCause cause, std::ostream& err)
{
    std::string problem;
    if (!writer.WroteAnything())
        err << "skylookctl: nothing was imported: nothing was written, and the stored settings are as they were.\n";
    else if (writer.Undo(problem))
        err << "skylookctl: nothing was imported; what was written is undone, and the stored settings are as they "
               "were.\n";
    else
        err << "skylookctl: the import stopped, and these keys could not be put back as they were:" << problem
            << "\nMend the cause and run the import again with --replace.\n";
    switch (cause) {
    case WriteCause::AccessDenied:
        err << "skylookctl: the imported settings could not be stored. " << StoreAdviceToolText << "\n";
        break;
    case WriteCause::LibraryBusy:
        err << "skylookctl: the imported settings could not be stored. End the program that holds the adapter "
               "library, or restart Windows, and import again.\n";
        break;
    case WriteCause::Registry:
        err << "skylookctl: the imported settings could not be stored. Mend the cause named above and import "
               "again.\n";
        break;
    }
}

// "the default settings and profile "Home"", for the sections an import left alone.
std::string SectionList(const std::vector<ImportTarget>& sections)
{
    std::string list;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (i > 0)
            list += i + 1 == sections.size() ? " and " : ", ";
        list += sections[i].Defaults ? "the default settings"
                                     : "profile \"" + EscapeControlBytes(sections[i].Profile) + "\"";
    }
    return list;
}

}  // namespace

int RunImport(const CommandLine& command)
{
    const std::string& file = command.Operands[0];
    std::string text;
    if (!ReadScriptFile(file, text, command.Err))
        return ExitFailed;
    std::vector<ScriptKey> keys;
    std::vector<ImportTarget> targets;
    std::vector<ImportTarget> leftAlone;
    ScriptError error;
    if (!ParseRegistryScript(text, keys, error) || !PlanImport(keys, command.Defaults, targets, leftAlone, error)) {
        // The message may quote the file's names, which may hold any byte.
        command.Err << file << ":" << error.Line << ": " << EscapeControlBytes(error.Message)
                    << "\nskylookctl: nothing was imported.\n";
        return ExitFailed;
    }
    for (const ImportTarget& target : targets) {
        if (!target.Defaults && !command.Replace && ProfileExists(target.Profile.c_str())) {
            command.Err << file << ":" << target.Key->Line << ": profile \"" << EscapeControlBytes(target.Profile)
                        << "\" exists already; add --replace to overwrite it.\nskylookctl: nothing was imported.\n";
            return ExitFailed;
        }
    }
    CImportWriter writer;
    int profiles = 0;
    for (const ImportTarget& target : targets) {
        WriteFailure failure;
        if (!writer.Write(target, failure)) {
            command.Err << file << ":" << target.Key->Line << ": " << EscapeControlBytes(failure.Text) << ".\n";
            ReportUndoneImport(writer, failure.Cause, command.Err);
            return ExitFailed;
        }
        profiles += target.Defaults ? 0 : 1;
    }
    const bool defaults = static_cast<size_t>(profiles) != targets.size();
    command.Out << "Imported " << profiles << (profiles == 1 ? " profile" : " profiles")
                << (defaults ? " and the default settings" : "") << " from \"" << file << "\".\n";
    if (!leftAlone.empty()) {
        const bool one = leftAlone.size() == 1;
        command.Out << "The file's " << (one ? "section for " : "sections for ") << SectionList(leftAlone)
                    << (one ? " holds" : " hold") << " no values; nothing was written or deleted for "
                    << (one ? "it" : "them") << ".\n";
    }
    return ExitOk;
}
