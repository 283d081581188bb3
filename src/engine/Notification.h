#pragma once
// A request for an end-of-run popup and the queue that takes it.
#include <string>

namespace engine {

struct NotificationRequest {
  std::wstring Key;
  std::wstring Title;
  std::wstring Description;
  std::wstring Icon;  // empty: no icon
  bool AlwaysQueue = false;
  bool EnableClickEvent = false;
  std::wstring SoundFileLocation;
};

class INotificationSink {
 public:
  virtual ~INotificationSink() = default;
  virtual void QueueNotification(const NotificationRequest& request) = 0;
};

}  // namespace engine
