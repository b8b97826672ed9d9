// The software adapter read back: the journal of the calls the library received, one a
// line, and the status text the vexasim tool prints.
#ifndef SKYLOOK_TESTS_ADAPTER_JOURNAL_H
#define SKYLOOK_TESTS_ADAPTER_JOURNAL_H

#include <string>
#include <vector>

std::string JournalText();
std::vector<std::string> JournalLines();
bool JournalHas(const std::string& line);
// The last call the library received, or "" when there was none.
std::string LastJournalLine();

std::string AdapterStatusText();

#endif
