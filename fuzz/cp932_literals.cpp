#include "cp932_literals.h"

namespace glean::fuzz {
const char* const kCommenter = "∇";
const char* const kNoteLeft = "《";
const char* const kNoteRight = "》";
const char* const kErrorLeft = "Error: ";
const char* const kErrorRight = "‡";
}  // namespace glean::fuzz
