#include "shell/mNotificationSystem.h"

#include <algorithm>

#include "settings/Text.h"

namespace shell {

void NotificationQueue::QueueNotification(const engine::NotificationRequest& request) {
  const std::wstring& key = request.AlwaysQueue ? request.Description : request.Title;
  items_.erase(std::remove_if(items_.begin(), items_.end(),
                              [&](const auto& item) { return settings::SameName(item.first, key); }),
               items_.end());
  items_.emplace_back(key, request);
}

void NotificationQueue::PopFront() {
  if (!items_.empty()) items_.erase(items_.begin());
}

}  // namespace shell
