#include "capture/captured_text.h"

#include "capture/section_headers.h"

namespace glean::capture {

namespace {
// Long enough that the pauses cost nothing against the messages, short enough that the
// window answers at once (milliseconds).
constexpr uint64_t kBreathInterval = 20;
constexpr uint64_t kQuietStart = 1000;
}  // namespace

void CapturedText::AddTooManyItems(int limit) { AddNote(Format(kTooManyItemsFormat, limit)); }

void CapturedText::AddCutText(const std::string& text, bool cut) {
  Add(text);
  if (cut) AddNote(kTextTooLong);
}

namespace {
std::string RowProgress(int row, int count, bool withCount) {
  std::string text = kListViewProgress + std::to_string(row);
  if (withCount && count > 0) text += "/" + std::to_string(count);
  return text;
}
}  // namespace

void CapturedText::RowStep(int row, int count) {
  const uint64_t now = GetTickCount64();
  lastBreath_ = now;
  if (ProcessMessages) ProcessMessages();
  if (ShowProgress) ShowProgress(RowProgress(row, count, now - started_ > kQuietStart));
  CheckStop();
}

void CapturedText::Breathe(int item, int count) {
  const uint64_t now = GetTickCount64();
  if (now - lastBreath_ < kBreathInterval) return;
  lastBreath_ = now;
  if (ProcessMessages) ProcessMessages();
  if (ShowProgress && now - started_ > kQuietStart)
    ShowProgress(item >= 0 ? RowProgress(item, count, true) : std::string(kListViewFallbackProgress));
  CheckStop();
}

}  // namespace glean::capture
