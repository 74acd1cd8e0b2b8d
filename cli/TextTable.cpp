#include "cli/TextTable.h"

#include <algorithm>

namespace {

constexpr std::size_t kColumnGap = 2;

}  // namespace

void TextTable::AddHeading(std::string text)
{
    lines_.push_back({true, {std::move(text)}});
}

void TextTable::AddRow(std::vector<std::string> cells)
{
    lines_.push_back({false, std::move(cells)});
}

std::vector<std::size_t> TextTable::ColumnWidths() const
{
    std::vector<std::size_t> widths;
    for (const Line& line : lines_) {
        if (line.heading)
            continue;
        widths.resize(std::max(widths.size(), line.cells.size()));
        for (std::size_t column = 0; column < line.cells.size(); ++column)
            widths[column] = std::max(widths[column], line.cells[column].size());
    }
    return widths;
}

void TextTable::Write(std::ostream& out) const
{
    const std::vector<std::size_t> widths = ColumnWidths();
    for (const Line& line : lines_) {
        std::string text;
        for (std::size_t column = 0; column < line.cells.size(); ++column) {
            text += line.cells[column];
            if (!line.heading && column + 1 < line.cells.size())
                text.append(widths[column] + kColumnGap - line.cells[column].size(), ' ');
        }
        out << text << '\n';
    }
}
