// Columns of text lined up for a console: every column as wide as its widest cell.
#ifndef SKYLOOK_CTL_TEXT_TABLE_H
#define SKYLOOK_CTL_TEXT_TABLE_H

#include <iosfwd>
#include <string>
#include <vector>

class CTextTable {
public:
    // Control bytes in a cell (a CR LF in a network's name, an escape sequence) are shown as
    // \xNN, as the dialog's lists show them, so that no cell splits a row or drives the console.
    void AddRow(std::vector<std::string> cells);
    // Two blanks between columns; the last column is not padded.
    void Print(std::ostream& stream) const;

private:
    std::vector<std::vector<std::string>> m_rows;
};

#endif
