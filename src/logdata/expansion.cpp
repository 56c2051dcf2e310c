#include "logdata/expansion.h"

namespace sm {

Expansion::Expansion(std::vector<SourcePart> parts, LogMillis start, LogMillis interval, std::span<double> values,
                     std::span<uint8_t> status)
    : start_(start), interval_(interval), values_(values), status_(status) {
  for (SourcePart& p : parts) parts_.push_back({p, {}, nullptr});
}

Expansion::~Expansion() = default;

void Expansion::Begin() {
  begun_ = true;
  const size_t slots = std::min(values_.size(), status_.size());
  const LogMillis first_window_start = start_ - interval_;
  for (PartState& p : parts_) {
    std::vector<size_t> series;
    const size_t count = p.part.source->Series().size();
    for (size_t local = 0; local < count; ++local) {
      size_t slot = p.part.first_index + local;
      if (slot >= slots || status_[slot] != 0) continue;
      series.push_back(local);
      p.requested.push_back({slot, {}, 0});
      values_[slot] = 0;
    }
    if (series.empty()) continue;
    std::vector<SampleBuffer*> buffers;
    for (Requested& r : p.requested) buffers.push_back(&r.buffer);
    p.feed = p.part.source->Feed(series, buffers, first_window_start - p.part.offset);
  }
}

LogMillis Expansion::NextRow() {
  if (!begun_) Begin();
  const LogMillis time = start_ + row_ * interval_;
  ++row_;
  for (PartState& p : parts_) {
    if (!p.feed) continue;
    const LogMillis high = time - p.part.offset;  // window (high - interval, high] in source time
    const LogMillis low = high - interval_;
    for (Requested& r : p.requested) {
      // Drop what has been passed before the feed appends more, so the
      // buffers stay about a day long and keep their storage.
      if (r.cursor > 0 && r.cursor * 2 >= r.buffer.size()) {
        r.buffer.erase(r.buffer.begin(), r.buffer.begin() + static_cast<std::ptrdiff_t>(r.cursor));
        r.cursor = 0;
      }
    }
    p.feed->FillThrough(high);
    for (Requested& r : p.requested) {
      const SampleBuffer& b = r.buffer;
      size_t i = r.cursor;
      bool logged = false;
      double value = 0;
      for (; i < b.size() && b[i].time <= high; ++i) {
        if (b[i].time > low) {
          logged = true;
          value = b[i].value;
        }
      }
      r.cursor = i;
      if (logged) values_[r.slot] = value;
      status_[r.slot] = logged ? 1 : 0;
    }
  }
  return time;
}

}  // namespace sm
