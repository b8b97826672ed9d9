#include "AdapterJournal.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

std::string JournalText()
{
    unsigned long needed = 0;
    EXPECT_EQ(0, VexaSimReadJournal(nullptr, 0, &needed));
    std::vector<char> text(needed + 1);
    EXPECT_EQ(0, VexaSimReadJournal(text.data(), static_cast<unsigned long>(text.size()), &needed));
    return text.data();
}

std::vector<std::string> JournalLines()
{
    std::vector<std::string> lines;
    std::istringstream stream(JournalText());
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

bool JournalHas(const std::string& line)
{
    const std::vector<std::string> lines = JournalLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string LastJournalLine()
{
    const std::vector<std::string> lines = JournalLines();
    return lines.empty() ? std::string() : lines.back();
}

std::string AdapterStatusText()
{
    std::vector<char> text(65536);
    EXPECT_EQ(0, VexaSimFormatStatus(text.data(), static_cast<unsigned long>(text.size())));
    return text.data();
}
