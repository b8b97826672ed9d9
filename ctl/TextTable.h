// Columns of text lined up for a console: every column as wide as its widest cell.
#ifndef SKYLOOK_CTL_TEXT_TABLE_H
#define SKYLOOK_CTL_TEXT_TABLE_H

#include <iosfwd>
#include <string>
#include <vector>

class CTextTable {
public:
    void AddRow(std::vector<std::string> cells);
    // Two blanks between columns; the last column is not padded.
    void Print(std::ostream& stream) const;

private:
    std::vector<std::vector<std::string>> m_rows;
};

#endif
