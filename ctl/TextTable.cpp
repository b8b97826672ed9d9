#include "ctl/TextTable.h"

#include "record/PrintableText.h"

#include <ostream>

void CTextTable::AddRow(std::vector<std::string> cells)
{
    for (std::string& cell : cells)
        cell = EscapeControlBytes(cell);
    m_rows.push_back(std::move(cells));
}

void CTextTable::Print(std::ostream& stream) const
{
    std::vector<size_t> widths;
    for (const auto& row : m_rows) {
        if (widths.size() < row.size())
            widths.resize(row.size(), 0);
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = row[i].size() > widths[i] ? row[i].size() : widths[i];
    }
    for (const auto& row : m_rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += std::string(widths[i] - row[i].size() + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        stream << line << "\n";
    }
}
