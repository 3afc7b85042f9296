#pragma once

#include <string>
#include <string_view>
#include <vector>

// Checks of a whole pass that hold for any input, shared by the tests and
// the fuzz targets.

// The lines of `input` as the pass reads them: a line ends at a line feed,
// which is not part of it, with a carriage return just before it; 0x1A
// ends the input; the bytes after the last line feed form a last line.
std::vector<std::string_view> InputLines(std::string_view input);

// Whether `text` is a number as the number output rule writes it; the
// texts of values that are not finite count only when `bNotFinite`.
bool IsWrittenNumber(std::string_view text, bool bNotFinite);

// Empty when `output` is what a pass over `input` may write in any mode:
// lines ending in CR LF, one for every input line but the consumed header
// records, in order, each either the input line unchanged, "hd" for an
// "hq" record, or a text record rewritten with four finite numbers and its
// text kept whole. Otherwise what is wrong.
std::string CheckPassOutput(std::string_view input, std::string_view output);
