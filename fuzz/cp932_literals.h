// The Japanese texts the fuzz targets configure, compiled by g++ into Shift-JIS.
#pragma once

namespace glean::fuzz {
extern const char* const kCommenter;     // "∇"
extern const char* const kNoteLeft;      // "《"
extern const char* const kNoteRight;     // "》"
extern const char* const kErrorLeft;     // "Error: "
extern const char* const kErrorRight;    // "‡"
}  // namespace glean::fuzz
