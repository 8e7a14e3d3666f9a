#pragma once
// The tree of scenario "wholetree": three levels, collapsed branches and lazily filled
// ones, taller than its control. Tests rebuild it to know what a reader should give.
#include <string>

#include "control_table.h"

namespace sample_app {

inline TreeData WholeTree() {
  TreeData tree;
  tree.nodes.push_back({0, "ドライブ"});
  tree.nodes.push_back({1, "書類"});
  for (int i = 0; i < 30; ++i) tree.nodes.push_back({2, "ファイル" + std::to_string(i)});
  tree.nodes.push_back({1, "閉じたフォルダ", true});
  tree.nodes.push_back({2, "閉じた中のファイル"});
  tree.nodes.push_back({2, "閉じた中のフォルダ", true});
  tree.nodes.push_back({3, "いちばん深いファイル"});
  tree.nodes.push_back({1, "遅れて開くフォルダ", false, true});
  tree.nodes.push_back({0, "レジストリ", true});
  tree.nodes.push_back({1, "HKEY_CURRENT_USER", false, true});
  tree.nodes.push_back({1, "HKEY_LOCAL_MACHINE"});
  tree.nodes.push_back({2, "SOFTWARE", false, true});
  tree.nodes.push_back({0, "最後の枝"});
  return tree;
}

}  // namespace sample_app
