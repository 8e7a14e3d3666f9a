// List-view columns and cells and tree-view item texts, read through records placed in the
// control's process: shared by the capture's readers and the pointer reader.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "capture/layout/remote_layout.h"
#include "procmem/uProcessMemMgr.h"

namespace glean::capture {

class RemoteListView {
 public:
  // Places a text buffer of `textSize` bytes and an item record in the control's
  // process (column titles get runs of their own); `m` must outlive this object.
  RemoteListView(HWND listView, TProcessMemMgr& m, uint32_t textSize);

  // The titles of the columns, up to the first the control does not answer.
  std::vector<std::string> ColumnTitles() const;
  // One cell's text; empty when the control does not answer.
  std::string Cell(int row, int column) const;

 private:
  HWND hwnd_;
  TProcessMemMgr& m_;
  Bitness bits_;
  uint32_t textSize_;
  ProcessAddress text_, item_;
};

// "《title》" before a cell of a titled column; nothing for an untitled or " " one.
std::string ColumnPrefix(const std::vector<std::string>& titles, int column);

// A tree-view item handle as the target returned it: a 32-bit program's handle is the low
// half of the reply.
uint64_t TreeItemHandle(Bitness bits, LRESULT reply);

// The items a tree view holds, depth first in display order, through what it holds: a
// collapsed branch's children are reached without expanding it, and nothing is selected
// or scrolled. Two or three messages an item.
class TreeOrder {
 public:
  TreeOrder(HWND treeView, Bitness bits);
  uint64_t Item() const { return item_; }  // 0 past the last
  int Depth() const { return static_cast<int>(parents_.size()); }
  void Next();

 private:
  uint64_t Ask(WPARAM relation, uint64_t from) const;
  HWND tree_;
  Bitness bits_;
  uint64_t item_;
  std::vector<uint64_t> parents_;
};

// The text of tree-view item `handle`, through the record at `record` and the text buffer
// at `text` of `textSize` bytes; empty when the control does not answer.
std::string TreeItemText(HWND treeView, TProcessMemMgr& m, uint64_t handle, ProcessAddress record,
                         ProcessAddress text, uint32_t textSize);

}  // namespace glean::capture
