#pragma once
// Shows the hourglass for the life of the object, so it is restored on every way out.

#include "util/host.h"

class BusyCursor {
 public:
  explicit BusyCursor(Host& host) : host_(host) { host_.setBusy(true); }
  ~BusyCursor() { host_.setBusy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Host& host_;
};
