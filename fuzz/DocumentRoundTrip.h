#pragma once

// One input of the fuzzer, shared with the test suite that replays the seed
// corpus: the bytes go through the XML layer, the reader and the writer, and
// the promises that hold for any bytes at all are checked. Nothing raises; a
// failed parse leaves no root element; the node index answers as FindNode
// does; a document the reader accepts is one the writer can write; reading the
// written document gives the same profile again; and saving a reloaded
// document writes the same bytes.

#include <string>
#include <string_view>

// What broke, or "" when every promise held.
std::string CheckDocumentRoundTrip(std::string_view bytes);
