// Glean.exe copied into a fresh folder, so that each test has a Glean.ini of its own.
#pragma once

#include <windows.h>

#include <string>

#include "harness/process.h"

namespace glean::test {

class GleanCopy {
 public:
  GleanCopy() { copied_ = CopyFileA(GleanExePath().c_str(), Exe().c_str(), FALSE) != FALSE; }
  bool Copied() const { return copied_; }
  std::string Exe() const { return folder_.File("Glean.exe"); }
  std::string Ini() const { return folder_.File("Glean.ini"); }

 private:
  TempFolder folder_;
  bool copied_ = false;
};

}  // namespace glean::test
