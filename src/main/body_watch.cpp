// The watch as the main window offers it: Ctrl+W and the two menu items turn it on and
// off, a capture moves it, its speech goes out through the announcement channels, and
// the pane follows each change without losing the user's place.
#include "capture/capture_driver.h"
#include "capture/section_headers.h"
#include "editor/control/core/row_text.h"
#include "main/body.h"
#include "main/main_texts.h"
#include "ui/clipboard.h"
#include "watch/core/place_map.h"
#include "watch/core/read_schedule.h"
#include "watch/core/watch_texts.h"
#include "watch/watcher.h"

namespace glean {

namespace {
constexpr char16_t kWatchActivity[] = u"Glean.Watch";
// Rows marked as changed at most; a change larger than this is marked in its first rows.
constexpr size_t kMarkedLinesMax = 2000;

TColor Or(TColor c, TColor fallback) { return c == clNone ? fallback : c; }
}  // namespace

bool TBody::Watching() const { return watch_ && watch_->Active(); }

void TBody::WatchClick() {
  if (capture::CaptureInProgress()) return;  // the running capture owns the captured lines
  if (Watching()) {
    watch_->Stop();
    SetWatchStatus("");
    WatchReport(watch::kWatchEnded);
    return;
  }
  StartWatch();
}

void TBody::StartWatch() {
  const bool desktop = capture::ListsDesktopFolder(SelectedTitle_);
  HWND window = desktop || SelectedTitle_.empty() ? nullptr : capture::FindChosenWindow(SelectedTitle_);
  if (CapturedLines_.Count() == 0 || (!desktop && !window)) {
    WatchReport(watch::kNothingToWatch);
    return;
  }
  if (!watch_) {
    watch::WatchHandlers handlers;
    handlers.Speak = [this](const std::string& text) { WatchReport(text); };
    handlers.Changed = [this](const watch::CaptureChange& change) { WatchChanged(change); };
    handlers.Ended = [this](const std::string& text) {
      SetWatchStatus("");
      WatchReport(text);
    };
    handlers.Options = [this] { return capture_; };
    watch_ = std::make_unique<watch::TWatcher>(std::move(handlers));
  }
  RestartWatch(window);
  SetWatchStatus(watch::WatchStatus(SelectedTitle_));
  WatchReport(watch::WatchStarted(SelectedTitle_));
}

// A capture while watching: the watch moves to the captured window (said as when it was
// turned on), or, for the same window, starts again from what the pane now shows.
void TBody::WatchAfterCapture() {
  if (!Watching()) return;
  HWND window = capture::ListsDesktopFolder(SelectedTitle_) ? nullptr : capture::FindChosenWindow(SelectedTitle_);
  if (window == watch_->Window() && SelectedTitle_ == watch_->Title()) {
    RestartWatch(window);
    return;
  }
  StartWatch();
}

// The watch of `window` from what was captured last; no row is marked as changed.
void TBody::RestartWatch(HWND window) {
  watch_->Start(window, SelectedTitle_, CapturedLines_.Items(), windowsFolder_,
                watch::WatchInterval(view_.watch_interval_ms));
  watchedRows_.clear();
}

// The watch speaks whether Glean is in front or not: that is what it is for.
void TBody::WatchReport(const std::string& text) {
  if (AnnounceActive) ui::PutTextOnClipboard(hwnd_, text);
  if (view_.uia_notify) Data_->NotifyAccessClients(text, kWatchActivity);
}

void TBody::WatchChanged(const watch::CaptureChange& change) {
  // A capture under way (this came from its message pump) is filling the pane and the
  // captured lines; it replaces both, and the watch starts again from it.
  if (capture::CaptureInProgress()) return;
  // The pane holds what Glean put there unless the user has edited it since; an edited
  // pane is left alone, so nothing typed is lost.
  if (Data_->Lines().GetText() != CapturedLines_.GetText()) {
    SetWatchStatus(watch::WatchStatusPaneKept(watch_->Title()));
    return;
  }
  FollowInPane(change);
  SetWatchStatus(watch::WatchStatus(watch_->Title()));
}

std::string TBody::PaneStatus() const { return Watching() ? watchStatus_ : std::string(texts::kDataHint); }

void TBody::SetWatchStatus(const std::string& text) {
  watchStatus_ = text;
  StatusBar1_->SetSimpleText(text);
}

// The new text goes in; the caret, the top row and the selection are mapped through the
// diff, and the changed lines are marked until the next change.
void TBody::FollowInPane(const watch::CaptureChange& change) {
  using watch::TextPlace;
  const watch::LineOffsets before(change.Before), after(change.After);
  const int selStart = Data_->SelStart(), selLength = Data_->SelLength();
  const TextPlace caret = before.PlaceOf(selStart);
  const TextPlace selEnd = before.PlaceOf(selStart + selLength);
  const int topRow = Data_->TopRow();
  const TextPlace top = before.PlaceOf(Data_->RowOffset(topRow));

  following_ = true;
  CapturedLines_.Clear();
  for (const std::string& line : change.After) CapturedLines_.Add(line);
  ItemHitTable_ = change.Hits;
  LineSources_ = change.Sources;
  Data_->Lines().Assign(CapturedLines_);
  const int start = after.OffsetOf(watch::MapPlace(change.Diff, change.After, caret));
  Data_->SetSelStart(start);
  if (selLength > 0 && watch::PlaceKept(change.Diff, caret) && watch::PlaceKept(change.Diff, selEnd))
    Data_->SetSelLength(after.OffsetOf(watch::MapPlace(change.Diff, change.After, selEnd)) - start);
  const int topLine = watch::MapLine(change.Diff, top.Line);
  if (topLine >= 0) Data_->SetTopRow(Data_->Lines().LineToRow(topLine));
  following_ = false;
  MarkWatchedRows(change.Changed);
}

void TBody::MarkWatchedRows(const std::vector<int>& lines) {
  TEditorScreenStrings& rows = Data_->ListRows();
  const int count = rows.Count();
  watchedRows_.assign(static_cast<size_t>(count), 0);
  watchedRowCount_ = count;
  // Line of each row, in one pass: wrapped rows belong to the line they continue.
  std::vector<int> firstRow;
  firstRow.reserve(static_cast<size_t>(count) + 1);
  firstRow.push_back(0);
  for (int r = 0; r < count; ++r)
    if (rows.RowAttribute(r) == TRowAttribute::LineBreak) firstRow.push_back(r + 1);
  for (size_t i = 0; i < lines.size() && i < kMarkedLinesMax; ++i) {
    const size_t line = static_cast<size_t>(lines[i]);
    if (line + 1 >= firstRow.size()) continue;
    for (int r = firstRow[line]; r < firstRow[line + 1] && r < count; ++r) watchedRows_[size_t(r)] = 1;
  }
  InvalidateRect(Data_->Handle(), nullptr, FALSE);
}

// A row of the last change, drawn again in the search-hit colours (before the row's marks).
void TBody::PaintWatchedRow(int row, int x, int y, const TRect& rect) {
  TEditorScreenStrings& rows = Data_->ListRows();
  if (watchedRowCount_ != rows.Count() || row < 0 || static_cast<size_t>(row) >= watchedRows_.size() ||
      !watchedRows_[size_t(row)])
    return;
  ICanvas* canvas = Data_->PaintCanvas();
  TEditorColor& hit = Data_->View().Colors().Hit();
  const TColor fg = Or(hit.Color(), Data_->Color());
  const TColor bg = Or(hit.BkColor(), Or(Data_->Font().Color, clBlack));
  const TDrawnRow drawn = ExpandRow(rows.Ref(row), rows.Metrics(), TEditorCore::kMaxColumns);
  const int width = static_cast<int>(drawn.Text.size()) * Data_->CharWidth();
  const TRect cell = TRect{x, rect.Top, x + width, rect.Top + Data_->FontHeight()}.Intersect(rect);
  if (!cell.Empty()) canvas->TextOut(x, y, cell, drawn.Text, fg, bg, Data_->Font().Style & ~fsUnderline, true);
}

}  // namespace glean
