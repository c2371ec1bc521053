#pragma once

// Paints the static layer on a thread of its own, so that the window's
// thread never waits for it: until the layer is there, the window paints the
// keyboard's body straight into each frame.

#include <QSize>
#include <functional>
#include <future>

#include "app/form.h"
#include "ui/static_layer.h"

namespace arvan {

class StaticLayerJob {
 public:
  // The job reads only the controls of `form` that never change.
  explicit StaticLayerJob(const Form& form) : form_(form) {}
  // Waits for a layer being painted.
  ~StaticLayerJob() = default;

  // Whether a layer is being painted or waits to be taken.
  [[nodiscard]] bool busy() const { return layer_.valid(); }
  // Starts painting the layer for a window of this size and pixel ratio;
  // `done` is called on the job's thread once it is painted.
  void start(QSize windowSize, qreal ratio, std::function<void()> done);
  // The layer, once `done` has been called.
  [[nodiscard]] StaticLayer take() { return layer_.get(); }

 private:
  const Form& form_;
  std::future<StaticLayer> layer_;
};

}  // namespace arvan
