#pragma once

// Rows of text cells written in aligned columns, as a terminal shows them.
// Headings stand on their own line and do not widen the columns.

#include <ostream>
#include <string>
#include <vector>

class TextTable {
public:
    void AddHeading(std::string text);
    void AddRow(std::vector<std::string> cells);
    void Write(std::ostream& out) const;

private:
    struct Line {
        bool heading = false;
        std::vector<std::string> cells;
    };

    std::vector<std::size_t> ColumnWidths() const;

    std::vector<Line> lines_;
};
