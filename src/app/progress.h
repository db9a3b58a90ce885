// The progress line of a long batch on the command line: years done of the
// total and the rate, on standard error, rewritten in place.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>

namespace ventorel {

// True when standard error is a terminal (a progress line would only litter a
// log file or a pipe).
bool standardErrorIsTerminal();

class Progress {
 public:
  // Seconds on a monotonic clock.
  using Clock = std::function<double()>;
  static double steadySeconds();

  // Nothing is printed unless `enabled`, and nothing before the batch has run
  // for `delay` seconds: a short batch stays quiet.
  Progress(std::uint64_t total, std::ostream& out, bool enabled, Clock clock = steadySeconds, double delay = 1.0);

  // One more year done; prints the line when it is due (at most ten times a second).
  void yearDone();
  // Ends the line with the final count, if a line was printed.
  void finish();

 private:
  void print();

  std::uint64_t total_;
  std::uint64_t done_ = 0;
  std::ostream& out_;
  bool enabled_;
  Clock clock_;
  double delay_;
  double start_;
  double lastPrint_ = -1;
  bool printed_ = false;
};

}  // namespace ventorel
