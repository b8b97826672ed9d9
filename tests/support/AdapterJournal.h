// The software adapter's journal read back: the calls the library received, one a line.
#ifndef SKYLOOK_TESTS_ADAPTER_JOURNAL_H
#define SKYLOOK_TESTS_ADAPTER_JOURNAL_H

#include <string>
#include <vector>

std::string JournalText();
std::vector<std::string> JournalLines();
bool JournalHas(const std::string& line);
// The last call the library received, or "" when there was none.
std::string LastJournalLine();

#endif
