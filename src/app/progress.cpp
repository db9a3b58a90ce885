#include "app/progress.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "data/messages.h"

namespace ventorel {

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

double Progress::steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

Progress::Progress(std::uint64_t total, std::ostream& out, bool enabled, Clock clock, double delay)
    : total_(total), out_(out), enabled_(enabled), clock_(std::move(clock)), delay_(delay), start_(clock_()) {}

void Progress::yearDone() {
  ++done_;
  if (!enabled_) return;
  const double now = clock_();
  if (now - start_ < delay_ || (printed_ && now - lastPrint_ < 0.1)) return;
  lastPrint_ = now;
  print();
}

void Progress::finish() {
  if (!printed_) return;
  print();
  out_ << "\n";
  out_.flush();
  printed_ = false;
}

void Progress::print() {
  const double elapsed = clock_() - start_;
  char rate[32];
  std::snprintf(rate, sizeof rate, "%.1f", elapsed > 0 ? static_cast<double>(done_) / elapsed : 0.0);
  // Carriage return and erase-to-end: the line is rewritten in place.
  out_ << "\r" << messages::progress(done_, total_, rate) << "\x1b[K";
  out_.flush();
  printed_ = true;
}

}  // namespace ventorel
