#pragma once

// Help text fitted to the terminal: a line longer than the width breaks at
// spaces, and its further lines stand under the text after its label
// ("VEHICLE: BM-21 (bm21sam), ..."), or under its own indentation.

#include <cstddef>
#include <string>
#include <string_view>

std::string WrapLines(std::string_view text, std::size_t width);

// The columns of the terminal standard output goes to; 80 when it goes
// elsewhere, as man and GNU tools assume.
std::size_t OutputWidth();
