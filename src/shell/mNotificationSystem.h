#pragma once
// The keyed queue of end-of-run notifications held by the main window.
#include <string>
#include <utility>
#include <vector>

#include "engine/Notification.h"

namespace shell {

class NotificationQueue : public engine::INotificationSink {
 public:
  // Queues a request under its Title (AlwaysQueue false) or its Description
  // (AlwaysQueue true), replacing a request already queued under that key
  // (keys compared without regard to case).
  void QueueNotification(const engine::NotificationRequest& request) override;

  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  // The oldest request; the queue must not be empty.
  const engine::NotificationRequest& Front() const { return items_.front().second; }
  void PopFront();

 private:
  std::vector<std::pair<std::wstring, engine::NotificationRequest>> items_;
};

}  // namespace shell
